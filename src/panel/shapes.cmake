# Framed shapes and text boxes.
target_sources(chart_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/custom_shape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/custom_shape_draw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/custom_text_shape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_brush_pen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_callout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_children.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_outline.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shape_types.cpp
  ${CMAKE_CURRENT_LIST_DIR}/strings_shape.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_margins.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_shape.cpp
)
