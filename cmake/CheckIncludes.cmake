# SPDX-License-Identifier: GPL-3.0-or-later
# The layers, checked on the sources: run as `cmake -DSOURCE_DIR=... -P CheckIncludes.cmake`.
# Folders are ranked; a file includes only its own folder and folders ranked
# above it. A logic file (outside any ui/ folder) includes no ui/ header; a
# feature's windows may also include the recording core and its controls; app/
# is included by nobody but app/.
set(RANKS base platform meter alarm link log graph publish recording app)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
  ${SOURCE_DIR}/base/* ${SOURCE_DIR}/platform/* ${SOURCE_DIR}/meter/* ${SOURCE_DIR}/alarm/*
  ${SOURCE_DIR}/link/*
  ${SOURCE_DIR}/log/* ${SOURCE_DIR}/graph/* ${SOURCE_DIR}/publish/* ${SOURCE_DIR}/recording/*
  ${SOURCE_DIR}/app/*)
set(violations 0)
foreach(source ${sources})
  # The program's entry links every layer.
  if(NOT source MATCHES "\\.(h|cpp)$" OR source STREQUAL "app/main.cpp")
    continue()
  endif()
  string(REGEX MATCH "^[^/]+" folder ${source})
  list(FIND RANKS ${folder} rank)
  set(ui FALSE)
  if(source MATCHES "^[^/]+/ui/")
    set(ui TRUE)
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
  foreach(line ${lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
    if(NOT header MATCHES "/")
      continue() # generated or local headers
    endif()
    string(REGEX MATCH "^[^/]+" target ${header})
    list(FIND RANKS ${target} targetRank)
    if(targetRank LESS 0)
      continue() # tools, third-party
    endif()
    set(reason "")
    if(target STREQUAL "app" AND NOT folder STREQUAL "app")
      set(reason "only app/ includes app/")
    elseif(NOT ui AND header MATCHES "^[^/]+/ui/")
      set(reason "logic includes no window header")
    elseif(targetRank GREATER rank AND NOT (ui AND target STREQUAL "recording"))
      set(reason "${folder}/ includes only folders above it: ${RANKS}")
    endif()
    if(reason)
      message("${source}: #include \"${header}\": ${reason}")
      math(EXPR violations "${violations} + 1")
    endif()
  endforeach()
endforeach()
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} includes cross the layers")
endif()
list(LENGTH sources count)
message("${count} files checked: every include follows the layers")
