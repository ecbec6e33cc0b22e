target_sources(chart_bench PRIVATE
  series_bench.cpp
)
