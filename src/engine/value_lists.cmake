target_sources(chart_core PRIVATE
  value_list.cpp
  value_lists.cpp
)
