# Text, images and pens of the plain canvas: Pango layouts and their cache, text quality,
# text effects, resampled images.
target_sources(chart_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas3d_image.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas3d_pen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas3d_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/smooth_stretch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_backend_defaults.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_layout_cache.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_quality.cpp
)
