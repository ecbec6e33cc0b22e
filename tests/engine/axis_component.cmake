target_sources(chart_tests PRIVATE
  rovede_axis_draw_test.cpp
  rovede_axis_layout_test.cpp
  rovede_axis_test.cpp
)
