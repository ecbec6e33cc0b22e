target_sources(chart_tests PRIVATE
  color_functions_attr_test.cpp
  font_attr_test.cpp
  gradient_attr_test.cpp
  pen_brush_attr_test.cpp
  picture_attr_test.cpp
  published_attr_test.cpp
  shadow_corners_attr_test.cpp
)
