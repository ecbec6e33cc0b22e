target_sources(chart_tests PRIVATE
  headless_host_test.cpp
)
