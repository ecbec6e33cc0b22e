target_sources(chart_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_color_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_module_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_entity_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_fixture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_hatch_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_images_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_path_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_pens_brushes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_scene_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_shapes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_text_test.cpp
)
