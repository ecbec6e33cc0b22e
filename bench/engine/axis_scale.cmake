target_sources(chart_bench PRIVATE
  axis_scale_bench.cpp
)
