# Checks that every include in src/, app/ and cli/ points down the layers:
#   cmake -DROOT=<source folder> -P check_layers.cmake
# A file's layer follows from its folder: src/shell is the ground, src/exact
# and src/expr the engine, src/<subsystem> a core, src/plot/paint the paint
# layer, src/<subsystem>/windows the windows, then app/ and cli/. Each layer
# may include the layers its row lists (and itself).

cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<source folder> -P check_layers.cmake")
endif()

set(cores calc plot worksheet geometry discuss draw3d screenshot)
set(engine ground exact expr)

set(allowed_ground     ground)
set(allowed_exact      ground exact)
set(allowed_expr       ground exact expr)
set(allowed_calc       ${engine} calc)
set(allowed_plot       ${engine} plot)
set(allowed_worksheet  ${engine} worksheet)
set(allowed_geometry   ${engine} worksheet geometry)
set(allowed_discuss    ${engine} plot discuss)
set(allowed_draw3d     ${engine} plot worksheet geometry draw3d)
set(allowed_screenshot ground screenshot)
set(allowed_paint      ${engine} plot paint)
set(allowed_windows    ${engine} ${cores} paint windows)
set(allowed_app        ${engine} ${cores} paint windows app)
set(allowed_cli        ${engine} ${cores} paint cli)

# Layers whose code must build without Qt.
set(qt_free ground exact expr ${cores})

# The layer of a path relative to ROOT, or "" outside the checked folders.
function(layer_of path result)
  if(path MATCHES "^src/[^/]+/windows/")
    set(layer windows)
  elseif(path MATCHES "^src/plot/paint/")
    set(layer paint)
  elseif(path MATCHES "^src/shell/")
    set(layer ground)
  elseif(path MATCHES "^src/([^/]+)/")
    set(layer ${CMAKE_MATCH_1})
  elseif(path MATCHES "^(app|cli)/")
    set(layer ${CMAKE_MATCH_1})
  else()
    set(layer "")
  endif()
  set(${result} "${layer}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE files RELATIVE ${ROOT}
     ${ROOT}/src/*.h ${ROOT}/src/*.cpp ${ROOT}/app/*.h ${ROOT}/app/*.cpp ${ROOT}/cli/*.h ${ROOT}/cli/*.cpp)

set(violations "")
set(checked 0)
foreach(file ${files})
  layer_of(${file} layer)
  if(NOT DEFINED allowed_${layer})
    list(APPEND violations "${file}: the folder belongs to no layer (add a row for \"${layer}\")")
    continue()
  endif()
  get_filename_component(folder ${file} DIRECTORY)
  file(STRINGS ${ROOT}/${file} includes REGEX "^[ \t]*#[ \t]*include")
  foreach(line ${includes})
    if(line MATCHES "include[ \t]*\"([^\"]+)\"")
      set(included ${CMAKE_MATCH_1})
      if(included MATCHES "^(app|cli)/")
        set(target_path ${included})
      elseif(NOT included MATCHES "/")
        set(target_path ${folder}/${included})
      else()
        set(target_path src/${included})
      endif()
      layer_of(${target_path} target_layer)
      math(EXPR checked "${checked} + 1")
      if(NOT target_layer IN_LIST allowed_${layer})
        list(APPEND violations "${file}: ${layer} may not include \"${included}\" (${target_layer})")
      endif()
    elseif(line MATCHES "include[ \t]*<(Q[A-Za-z]*|Qt[A-Za-z]*/[^>]*)>" AND layer IN_LIST qt_free)
      list(APPEND violations "${file}: the ${layer} core is free of Qt, but includes <${CMAKE_MATCH_1}>")
    endif()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n" text)
  message(FATAL_ERROR "Includes against the layers:\n${text}")
endif()
list(LENGTH files count)
message(STATUS "${count} files, ${checked} includes of our own, all pointing down the layers")
