target_sources(chart_bench PRIVATE
  value_lists_bench.cpp
)
