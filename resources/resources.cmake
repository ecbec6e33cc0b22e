# The main window's stored description: generated from its readable source at build time and
# embedded into the chart core as TFORM1. Included from the top-level list, where chart_core
# is defined, so the generated file belongs to that target's directory.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(QUIL_TFORM1 ${CMAKE_CURRENT_BINARY_DIR}/resources/TFORM1.bin)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/resources)
add_custom_command(
  OUTPUT ${QUIL_TFORM1}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/make_form_description.py
          ${CMAKE_CURRENT_LIST_DIR}/form1.txt ${QUIL_TFORM1}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_form_description.py ${CMAKE_CURRENT_LIST_DIR}/form1.txt
  COMMENT "Generating the main window's description")
embed_resource(chart_core ${QUIL_TFORM1} TFORM1)
