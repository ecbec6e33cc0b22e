target_sources(chart_core PRIVATE
  back_image.cpp
  gdiplus_component.cpp
  key_file.cpp
  option_file.cpp
  option_store.cpp
  panel_no_caption.cpp
  quil_panel_extended.cpp
  quil_panel.cpp
  quil_panel_background.cpp
  quil_panel_input.cpp
  quil_panel_paint.cpp
  quil_panel_export.cpp
  text_lines.cpp
  zoom_panning.cpp
  zoom_rectangle.cpp
)
