target_sources(chart_core PRIVATE
  key_file.cpp
  option_store.cpp
  zoom_panning.cpp
)
