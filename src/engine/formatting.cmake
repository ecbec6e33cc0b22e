target_sources(chart_core PRIVATE
  date_time.cpp
  format_date_time.cpp
  format_digits.cpp
  format_float.cpp
  format_picture.cpp
  format_settings.cpp
  next_step.cpp
)
