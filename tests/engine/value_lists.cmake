target_sources(chart_tests PRIVATE
  quil_sort_test.cpp
  value_list_events_test.cpp
  value_list_order_test.cpp
  value_list_stats_test.cpp
  value_list_stream_test.cpp
)
