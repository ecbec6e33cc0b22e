target_sources(chart_bench PRIVATE)
