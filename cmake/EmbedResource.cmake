# embed_resource(<target> <file> <symbol>) compiles <file> into <target> as
#   extern const unsigned char <symbol>[];  extern const std::size_t <symbol>_size;
# (declared in src/core/resources.h), regenerated whenever the file changes.
function(embed_resource target file symbol)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DIN=${file} -DOUT=${out} -DSYM=${symbol}
            -P ${PROJECT_SOURCE_DIR}/cmake/Bin2Cpp.cmake
    DEPENDS ${file} ${PROJECT_SOURCE_DIR}/cmake/Bin2Cpp.cmake
    COMMENT "Embedding ${file}")
  target_sources(${target} PRIVATE ${out})
endfunction()
