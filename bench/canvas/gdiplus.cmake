target_sources(chart_bench PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_bench.cpp
)
