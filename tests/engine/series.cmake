target_sources(chart_tests PRIVATE
  axis_panel_frame_test.cpp
  chart_tools_test.cpp
  custom_tool_axis_test.cpp
  series_chart_test.cpp
  series_data_stream_test.cpp
  series_parts_test.cpp
  series_points_test.cpp
  series_visible_range_test.cpp
)
