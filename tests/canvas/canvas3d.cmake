target_sources(chart_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/canvas3d_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas_geometry_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas_scene_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/opaque_png_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/projection_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_region_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/raster_output_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/solid_quad_fill_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view3d_options_test.cpp
)
