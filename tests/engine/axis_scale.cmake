target_sources(chart_tests PRIVATE
  axis_increment_test.cpp
  axis_labels_test.cpp
  axis_mapping_test.cpp
  axis_range_test.cpp
  axis_settings_test.cpp
  date_time_step_test.cpp
)
