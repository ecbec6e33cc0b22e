target_sources(chart_core PRIVATE
  blend_bitmaps.cpp
  blur_filter.cpp
  brush.cpp
  color_functions.cpp
  corners.cpp
  filter.cpp
  font.cpp
  font_defaults.cpp
  gradient.cpp
  gradient_colors.cpp
  graphics_object.cpp
  pen.cpp
  picture.cpp
  shadow.cpp
)
