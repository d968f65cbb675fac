# Compiles text files (schema, demo data, procedures) into a C++ source so the
# embedded server carries them and runs anywhere without a resource folder.
# embed_files(OUT_CPP NAMESPACE ns FUNCTION fn BASE dir FILES f1 f2 ...)
# generates: std::span<const EmbeddedFile> ns::fn();  with paths relative to BASE.
function(embed_files out_cpp)
  cmake_parse_arguments(E "" "NAMESPACE;FUNCTION;BASE" "FILES" ${ARGN})
  set(script ${CMAKE_SOURCE_DIR}/cmake/EmbedFilesScript.cmake)
  add_custom_command(
    OUTPUT ${out_cpp}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out_cpp} -DNS=${E_NAMESPACE} -DFN=${E_FUNCTION}
            -DBASE=${E_BASE} "-DFILES=${E_FILES}" -P ${script}
    DEPENDS ${E_FILES} ${script}
    COMMENT "Embedding ${E_FUNCTION}"
    VERBATIM)
endfunction()
