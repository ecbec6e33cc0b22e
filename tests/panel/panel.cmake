target_sources(chart_tests PRIVATE
  gdiplus_component_test.cpp
  option_store_test.cpp
  quil_panel_test.cpp
  text_lines_test.cpp
)
