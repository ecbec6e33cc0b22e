target_sources(chart_core PRIVATE)
