target_sources(chart_core PRIVATE
  headless_host.cpp
)
