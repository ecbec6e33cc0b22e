# The 3D canvas: view options, projection, clipping regions and the plain Cairo canvas.
target_sources(chart_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/canvas_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/projection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_region.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view3d_options.cpp
)
