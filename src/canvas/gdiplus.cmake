# The anti-aliased canvas over Cairo and Pango, its path object and the component that
# switches a panel to it.
target_sources(chart_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_brush.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_brushes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_clip.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_entity.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_frame.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_images.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_pens.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_quads.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_shadow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_shapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_canvas_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_color.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_component.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_gradient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_graphics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_hatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_images.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_path_gradient.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_pen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_quil_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_startup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_status.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_text_metrics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/private_fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gdiplus_unit.cpp
)
