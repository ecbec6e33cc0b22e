# The 3D canvas: view options, projection, clipping regions and the plain Cairo canvas.
target_sources(chart_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/aliased_quad.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cairo_raster.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cairo_raster_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas3d.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas_classes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/canvas_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clip_history.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gradient_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gradient_steps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/image_ops.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pixel_writer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/projection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_blend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas3d.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas3d_draw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas3d_gradient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas3d_shadow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_canvas3d_solids.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quil_region.cpp
  ${CMAKE_CURRENT_LIST_DIR}/raster_backend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shadow_drawing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/solid_quad_fill.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view3d_options.cpp
)
