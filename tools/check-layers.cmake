# Includes run downwards only. Every `#include "..."` of a file under src/ must name a
# header of the file's own layer or of a layer below it, and src/core and src/device
# include no Qt header. Each include against the layers is printed as
# "file:line: ..." and the check fails.
#
#   cmake -P tools/check-layers.cmake                         this tree
#   cmake -DKESTROVA_SOURCE_DIR=<tree> -P tools/check-layers.cmake
#
# A file's layer is its folder: src/core, src/device, src/ui/<pages, common, views,
# dialogs, app>, src/cli; src/ui/main.cpp belongs to app. An include is looked up as
# the compiler does (the including file's folder first, then the include roots) and
# gets the layer of the file it finds; one found nowhere in src/ is not the tree's
# (a generated or a system header) and is not checked.
cmake_minimum_required(VERSION 3.22)

if(NOT KESTROVA_SOURCE_DIR)
  get_filename_component(KESTROVA_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
endif()
file(REAL_PATH ${KESTROVA_SOURCE_DIR}/src src)
if(NOT IS_DIRECTORY ${src})
  message(FATAL_ERROR "no src/ in ${KESTROVA_SOURCE_DIR}")
endif()

# Which layers each layer may include besides its own: the ones its library links.
set(allowed_core "")
set(allowed_device core)
set(allowed_pages core)
set(allowed_common pages core)
set(allowed_views common pages core)
set(allowed_dialogs common pages device core)
set(allowed_app views dialogs common pages device core)
set(allowed_cli pages device core)
set(qt_free_layers core device)

# Where "<layer>/Header.h" and the flat device headers are found; src/ui stands for
# the build tree's per-layer include roots, each of which holds one link into it.
set(include_roots ${src}/core ${src}/device ${src}/ui)

function(layer_of path out)
  file(RELATIVE_PATH rel ${src} ${path})
  set(layer "")
  if(rel STREQUAL "ui/main.cpp")
    set(layer app)
  elseif(rel MATCHES "^(core|device|cli)/")
    set(layer ${CMAKE_MATCH_1})
  elseif(rel MATCHES "^ui/(pages|common|views|dialogs|app)/")
    set(layer ${CMAKE_MATCH_1})
  endif()
  set(${out} "${layer}" PARENT_SCOPE)
endfunction()

# The file an include names, as the compiler would find it; empty when none in src/.
function(resolve_include including name out)
  get_filename_component(dir ${including} DIRECTORY)
  foreach(root IN ITEMS ${dir} ${include_roots})
    if(EXISTS ${root}/${name} AND NOT IS_DIRECTORY ${root}/${name})
      file(REAL_PATH ${root}/${name} found)
      string(FIND "${found}" "${src}/" at)
      if(at EQUAL 0)
        set(${out} ${found} PARENT_SCOPE)
      else()
        set(${out} "" PARENT_SCOPE)
      endif()
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources LIST_DIRECTORIES false ${src}/*.h ${src}/*.hpp ${src}/*.cpp ${src}/*.cc ${src}/*.in)
list(SORT sources)
set(problems 0)
foreach(file IN LISTS sources)
  file(REAL_PATH ${file} file)
  file(RELATIVE_PATH shown ${KESTROVA_SOURCE_DIR} ${file})
  layer_of(${file} layer)
  if(layer STREQUAL "")
    message(NOTICE "${shown}:1: not in any layer (add its folder to tools/check-layers.cmake)")
    math(EXPR problems "${problems} + 1")
    continue()
  endif()
  list(FIND qt_free_layers ${layer} qt_free)

  # One list element a line. The characters that would split or escape list elements
  # never occur in the include lines looked at, so they are replaced.
  file(READ ${file} text)
  string(REPLACE "\\" "/" text "${text}")
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(NOT line MATCHES "^[ \t]*#[ \t]*include")
      continue()
    endif()
    if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      set(name ${CMAKE_MATCH_1})
      resolve_include(${file} ${name} target)
      if(target STREQUAL "")
        continue()
      endif()
      layer_of(${target} target_layer)
      if(target_layer STREQUAL layer)
        continue()
      endif()
      list(FIND allowed_${layer} "${target_layer}" ok)
      if(ok EQUAL -1)
        if(target_layer STREQUAL "")
          set(target_layer "no layer")
        endif()
        message(NOTICE "${shown}:${number}: ${layer} includes \"${name}\" of ${target_layer}, which is not below it")
        math(EXPR problems "${problems} + 1")
      endif()
    elseif(qt_free GREATER -1 AND line MATCHES "^[ \t]*#[ \t]*include[ \t]*<(Q[A-Za-z][^>]*)>")
      message(NOTICE "${shown}:${number}: ${layer} includes the Qt header <${CMAKE_MATCH_1}> but is Qt-free")
      math(EXPR problems "${problems} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH sources count)
if(problems GREATER 0)
  message(FATAL_ERROR "${problems} include(s) against the layers in ${count} files")
endif()
message(STATUS "includes of ${count} files run down the layers")
