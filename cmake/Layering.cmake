# The layering check: the program's libraries must form layers, each linking
# only libraries below it (docs/layering.md). Run once all folders are added:
#  - the links between the project's libraries have no cycle;
#  - a source file (and the header of the same name beside it) includes a
#    header of another library by its path ("model/ReportInfo.h") only when
#    its library links that library, directly or through others.
# A header found by its bare name needs the library's include folder, which
# only linking brings, so the links cover those includes already.
# Any breach stops the configure step with the list of what is wrong.

# _vestolar_layer_links(<out> <target>): the project libraries <target> links
# directly.
function(_vestolar_layer_links out target)
  set(links "")
  get_target_property(linked ${target} LINK_LIBRARIES)
  if(linked)
    get_property(libraries GLOBAL PROPERTY VESTOLAR_LIBRARIES)
    foreach(lib IN LISTS linked)
      if(lib IN_LIST libraries)
        list(APPEND links ${lib})
      endif()
    endforeach()
  endif()
  set(${out} ${links} PARENT_SCOPE)
endfunction()

# _vestolar_layer_visit(<target>): depth-first walk that records the closure
# of each library in VESTOLAR_CLOSURE_<target> and any cycle in
# VESTOLAR_LAYER_ERRORS. Callers keep VESTOLAR_LAYER_PATH, the libraries on
# the walk's current path.
function(_vestolar_layer_visit target)
  get_property(done GLOBAL PROPERTY VESTOLAR_CLOSURE_DONE_${target} SET)
  if(done)
    return()
  endif()
  get_property(path GLOBAL PROPERTY VESTOLAR_LAYER_PATH)
  list(APPEND path ${target})
  set_property(GLOBAL PROPERTY VESTOLAR_LAYER_PATH ${path})
  _vestolar_layer_links(links ${target})
  set(closure "")
  foreach(lib IN LISTS links)
    if(lib IN_LIST path)
      list(JOIN path " -> " cycle)
      set_property(GLOBAL APPEND PROPERTY VESTOLAR_LAYER_ERRORS "link cycle: ${cycle} -> ${lib}")
      continue()
    endif()
    _vestolar_layer_visit(${lib})
    get_property(below GLOBAL PROPERTY VESTOLAR_CLOSURE_${lib})
    list(APPEND closure ${lib} ${below})
  endforeach()
  list(REMOVE_DUPLICATES closure)
  set_property(GLOBAL PROPERTY VESTOLAR_CLOSURE_${target} ${closure})
  set_property(GLOBAL PROPERTY VESTOLAR_CLOSURE_DONE_${target} TRUE)
  list(POP_BACK path)
  set_property(GLOBAL PROPERTY VESTOLAR_LAYER_PATH ${path})
endfunction()

# _vestolar_layer_sources(<out> <target>): the target's C++ sources and the
# headers of the same name beside them, as paths below the project root.
function(_vestolar_layer_sources out target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(dir ${target} SOURCE_DIR)
  set(files "")
  foreach(source IN LISTS sources)
    if(NOT source MATCHES "\\.cpp$")
      continue()
    endif()
    get_filename_component(full ${source} ABSOLUTE BASE_DIR ${dir})
    file(RELATIVE_PATH relative ${VESTOLAR_ROOT} ${full})
    list(APPEND files ${relative})
    string(REGEX REPLACE "(_win|_native)?\\.cpp$" ".h" header ${relative})
    if(EXISTS ${VESTOLAR_ROOT}/${header})
      list(APPEND files ${header})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES files)
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(vestolar_check_layering)
  get_property(libraries GLOBAL PROPERTY VESTOLAR_LIBRARIES)
  set_property(GLOBAL PROPERTY VESTOLAR_LAYER_ERRORS "")

  # Which library builds each file, and which libraries live in each folder
  # (a header without a source of its own belongs to its folder's libraries).
  foreach(lib IN LISTS libraries)
    _vestolar_layer_sources(files ${lib})
    set_property(GLOBAL PROPERTY VESTOLAR_FILES_${lib} ${files})
    foreach(file IN LISTS files)
      set_property(GLOBAL PROPERTY VESTOLAR_OWNER_${file} ${lib})
      get_filename_component(folder ${file} DIRECTORY)
      set_property(GLOBAL APPEND PROPERTY VESTOLAR_FOLDER_${folder} ${lib})
    endforeach()
  endforeach()

  foreach(lib IN LISTS libraries)
    set_property(GLOBAL PROPERTY VESTOLAR_LAYER_PATH "")
    _vestolar_layer_visit(${lib})
  endforeach()

  foreach(lib IN LISTS libraries)
    get_property(closure GLOBAL PROPERTY VESTOLAR_CLOSURE_${lib})
    list(APPEND closure ${lib})
    get_property(files GLOBAL PROPERTY VESTOLAR_FILES_${lib})
    foreach(file IN LISTS files)
      file(STRINGS ${VESTOLAR_ROOT}/${file} includes REGEX "^#include \"[^\"]+/[^\"]+\"")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        if(NOT EXISTS ${VESTOLAR_ROOT}/${header})
          continue()
        endif()
        get_property(owners GLOBAL PROPERTY VESTOLAR_OWNER_${header})
        if(NOT owners)
          get_filename_component(folder ${header} DIRECTORY)
          get_property(owners GLOBAL PROPERTY VESTOLAR_FOLDER_${folder})
        endif()
        if(NOT owners)
          continue()
        endif()
        set(reached FALSE)
        foreach(owner IN LISTS owners)
          if(owner IN_LIST closure)
            set(reached TRUE)
          endif()
        endforeach()
        if(NOT reached)
          list(REMOVE_DUPLICATES owners)
          set_property(GLOBAL APPEND PROPERTY VESTOLAR_LAYER_ERRORS
            "${file} (library ${lib}) includes ${header} of ${owners}, which ${lib} does not link")
        endif()
      endforeach()
    endforeach()
  endforeach()

  get_property(errors GLOBAL PROPERTY VESTOLAR_LAYER_ERRORS)
  if(errors)
    list(JOIN errors "\n  " text)
    message(FATAL_ERROR "The libraries break their layering (docs/layering.md):\n  ${text}")
  endif()
endfunction()
