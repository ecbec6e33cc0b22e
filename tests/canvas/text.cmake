target_sources(chart_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/raster_pen_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/smooth_stretch_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_metrics_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_output_test.cpp
)
