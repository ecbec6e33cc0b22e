target_sources(chart_tests PRIVATE option_store_test.cpp)
