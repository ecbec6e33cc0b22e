target_sources(chart_bench PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/canvas3d_bench.cpp
)
