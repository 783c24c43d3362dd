# Writes the C++ string table of the native build from a resource script.
#   cmake -DRC_FILE=<Strings.rc> -DHEADER_FILE=<resource.h> -DOUTPUT_FILE=<out.cpp> -P GenerateStringTable.cmake
#
# Reads the entries of the STRINGTABLE blocks, one per line: ID "text", where
# ID is a number or a name #defined in HEADER_FILE. The text keeps the resource
# compiler's escapes: "" is a quote, \n \t \r are control characters, \\ is
# the backslash and \a is 0x08, which right-aligns text in menus. Bytes are
# copied as they are (the scripts are Windows-1252), so the table holds what
# LoadStringA gives in the win build.

cmake_minimum_required(VERSION 3.20)

foreach(required RC_FILE HEADER_FILE OUTPUT_FILE)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "GenerateStringTable.cmake needs -D${required}=...")
  endif()
endforeach()

# Stand-ins for the characters that CMake's lists would split or group on.
string(ASCII 1 kSemicolon)
string(ASCII 2 kOpenBracket)
string(ASCII 3 kCloseBracket)

function(read_resource_ids headerFile)
  file(STRINGS "${headerFile}" defines REGEX "^[ \t]*#[ \t]*define[ \t]")
  foreach(define IN LISTS defines)
    if(define MATCHES "^[ \t]*#[ \t]*define[ \t]+([A-Za-z_][A-Za-z0-9_]*)[ \t]+\\(?([0-9]+|0[xX][0-9A-Fa-f]+)\\)?[ \t]*(//.*)?$")
      math(EXPR value "${CMAKE_MATCH_2}")
      set(RESOURCE_ID_${CMAKE_MATCH_1} ${value} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()

function(resolve_id token where outVar)
  if(token MATCHES "^([0-9]+|0[xX][0-9A-Fa-f]+)$")
    math(EXPR id "${token}")
  elseif(DEFINED RESOURCE_ID_${token})
    set(id ${RESOURCE_ID_${token}})
  else()
    message(FATAL_ERROR "${where}: ${token} is not #defined as a number in ${HEADER_FILE}")
  endif()
  if(id GREATER 65535)
    message(FATAL_ERROR "${where}: string id ${id} is above 65535")
  endif()
  set(${outVar} ${id} PARENT_SCOPE)
endfunction()

# A byte as it stands inside a C++ string literal. Octal escapes are at most
# three digits, so unlike \x they cannot swallow a following character.
function(literal_byte value outVar)
  if(value GREATER_EQUAL 32 AND value LESS_EQUAL 126 AND NOT value EQUAL 34
     AND NOT value EQUAL 92)
    string(ASCII ${value} char)
  else()
    math(EXPR high "${value} / 64")
    math(EXPR middle "(${value} / 8) % 8")
    math(EXPR low "${value} % 8")
    set(char "\\${high}${middle}${low}")
  endif()
  set(${outVar} "${char}" PARENT_SCOPE)
endfunction()

# Decodes the resource compiler's escapes and re-encodes the bytes as a C++
# string literal body.
function(cpp_literal text where outVar)
  # Most texts are plain printable ASCII and pass as they are.
  if(NOT text MATCHES "[^ -~]" AND NOT text MATCHES "[\"\\\\]")
    set(${outVar} "${text}" PARENT_SCOPE)
    return()
  endif()
  string(HEX "${text}" hex)
  string(LENGTH "${hex}" hexLength)
  set(literal "")
  set(escape OFF)
  set(quote OFF)
  set(position 0)
  while(position LESS hexLength)
    string(SUBSTRING "${hex}" ${position} 2 byte)
    math(EXPR position "${position} + 2")
    math(EXPR value "0x${byte}")
    if(quote)
      set(quote OFF)
      continue()
    elseif(escape)
      set(escape OFF)
      if(byte STREQUAL "6e")
        set(value 10)
      elseif(byte STREQUAL "74")
        set(value 9)
      elseif(byte STREQUAL "72")
        set(value 13)
      elseif(byte STREQUAL "61")
        set(value 8) # not BEL: the resource compiler's menu right-alignment mark
      elseif(NOT byte STREQUAL "5c")
        string(ASCII ${value} char)
        message(FATAL_ERROR "${where}: unknown escape \\${char}; use \\n \\t \\r \\a \\\\ or \"\" for a quote")
      endif()
    elseif(byte STREQUAL "5c")
      set(escape ON)
      continue()
    elseif(byte STREQUAL "22")
      set(quote ON)
    endif()
    literal_byte(${value} char)
    string(APPEND literal "${char}")
  endwhile()
  if(escape)
    message(FATAL_ERROR "${where}: the text ends in a lone backslash")
  endif()
  set(${outVar} "${literal}" PARENT_SCOPE)
endfunction()

read_resource_ids("${HEADER_FILE}")

file(READ "${RC_FILE}" content)
string(REPLACE "\r" "" content "${content}")
string(REPLACE ";" "${kSemicolon}" content "${content}")
string(REPLACE "[" "${kOpenBracket}" content "${content}")
string(REPLACE "]" "${kCloseBracket}" content "${content}")
string(REPLACE "\n" ";" lines "${content}")

set(entries "")
set(lineNumber 0)
set(inTable OFF)
set(afterKeyword OFF)
foreach(line IN LISTS lines)
  math(EXPR lineNumber "${lineNumber} + 1")
  set(where "${RC_FILE}:${lineNumber}")
  if(line MATCHES "^[ \t]*STRINGTABLE([ \t]|$)")
    set(afterKeyword ON)
  elseif(line MATCHES "^[ \t]*(BEGIN|{)[ \t]*(//.*)?$")
    set(inTable ${afterKeyword})
    set(afterKeyword OFF)
  elseif(line MATCHES "^[ \t]*(END|})[ \t]*(//.*)?$")
    set(inTable OFF)
  elseif(inTable AND line MATCHES "^[ \t]*[A-Za-z0-9_]")
    if(NOT line MATCHES "^[ \t]*([A-Za-z_][A-Za-z0-9_]*|[0-9]+|0[xX][0-9A-Fa-f]+)[ \t]*,?[ \t]*\"(([^\"]|\"\")*)\"[ \t]*(//.*)?$")
      message(FATAL_ERROR "${where}: expected one string per line: ID \"text\"")
    endif()
    set(token "${CMAKE_MATCH_1}")
    set(text "${CMAKE_MATCH_2}")
    resolve_id("${token}" "${where}" id)
    if(DEFINED seen_${id})
      message(FATAL_ERROR "${where}: string id ${id} (${token}) is already used at line ${seen_${id}}")
    endif()
    set(seen_${id} ${lineNumber})
    string(REPLACE "${kSemicolon}" ";" text "${text}")
    string(REPLACE "${kOpenBracket}" "[" text "${text}")
    string(REPLACE "${kCloseBracket}" "]" text "${text}")
    cpp_literal("${text}" "${where}" literal)
    string(APPEND entries "    {${id}, \"${literal}\"}, // ${token}\n")
  endif()
endforeach()

if(entries STREQUAL "")
  message(FATAL_ERROR "${RC_FILE}: no STRINGTABLE entries found")
endif()

get_filename_component(rcName "${RC_FILE}" NAME)
file(WRITE "${OUTPUT_FILE}.tmp" "\
// The string table of ${rcName} for the native build, written by
// GenerateStringTable.cmake at build time. Edit the resource script instead.
#include \"AfxStringTable.h\"

namespace {

const AFX_STRING_RESOURCE kStrings[] = {
${entries}};

[[maybe_unused]] const BOOL kRegistered =
    AfxAddStringTable(kStrings, static_cast<int>(sizeof(kStrings) / sizeof(kStrings[0])));

}
")
file(COPY_FILE "${OUTPUT_FILE}.tmp" "${OUTPUT_FILE}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT_FILE}.tmp")
