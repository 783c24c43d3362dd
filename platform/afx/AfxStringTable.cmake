# afx_string_table(<name> RC <strings.rc> HEADER <resource.h>)
# An object library that gives the executable linking it the strings of a
# resource script's STRINGTABLE: in the win tree the compiled resource itself
# (read with LoadStringA), in the native tree a table generated from the same
# script (see GenerateStringTable.cmake). Objects link only into the target
# that names the library directly, so each executable names it itself.
function(afx_string_table name)
  cmake_parse_arguments(ARG "" "RC;HEADER" "" ${ARGN})
  get_filename_component(rcFile ${ARG_RC} ABSOLUTE)
  get_filename_component(headerFile ${ARG_HEADER} ABSOLUTE)
  set(generator ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/GenerateStringTable.cmake)
  if(VESTOLAR_WIN)
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    file(CONFIGURE OUTPUT ${script} CONTENT
      "#pragma code_page(1252)\n#include \"${headerFile}\"\n#include \"${rcFile}\"\n")
    # windres leaves no dependency file: name the included scripts here.
    set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${rcFile};${headerFile}")
    add_library(${name} OBJECT ${script})
  else()
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
    add_custom_command(OUTPUT ${source}
      COMMAND ${CMAKE_COMMAND} -DRC_FILE=${rcFile} -DHEADER_FILE=${headerFile}
              -DOUTPUT_FILE=${source} -P ${generator}
      DEPENDS ${rcFile} ${headerFile} ${generator}
      COMMENT "Generating the string table ${name} from ${ARG_RC}")
    add_library(${name} OBJECT ${source})
  endif()
  target_link_libraries(${name} PUBLIC afx)
endfunction()
