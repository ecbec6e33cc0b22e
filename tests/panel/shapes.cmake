target_sources(chart_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/shape_draw_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_measure_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_properties_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_sheet_test.cpp
)
