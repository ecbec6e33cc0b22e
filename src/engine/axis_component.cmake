target_sources(chart_core PRIVATE
  axis_grid_pen.cpp
  axis_labels_shape.cpp
  axis_title.cpp
  custom_axes.cpp
  rovede_axis.cpp
  rovede_axis_draw.cpp
  rovede_axis_labels_draw.cpp
  rovede_axis_layout.cpp
  rovede_axis_mouse.cpp
  rovede_axis_pen.cpp
  rovede_axis_properties.cpp
  rovede_axis_sources.cpp
)
