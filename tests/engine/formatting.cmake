target_sources(chart_tests PRIVATE
  format_float_test.cpp
  next_step_test.cpp
)
