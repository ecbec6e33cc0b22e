target_sources(chart_core PRIVATE
  axis_label_style.cpp
  axis_labels.cpp
  axis_mapping.cpp
  axis_range.cpp
  axis_scale.cpp
  axis_scale_increment.cpp
  axis_scale_label_text.cpp
  axis_scale_range.cpp
  date_time_step.cpp
)
