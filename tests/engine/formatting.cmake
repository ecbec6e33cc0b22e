target_sources(chart_tests PRIVATE
  date_time_test.cpp
  format_date_time_test.cpp
  format_float_test.cpp
  format_settings_test.cpp
  next_step_test.cpp
)
