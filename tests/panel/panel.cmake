target_sources(chart_tests PRIVATE)
