# SPDX-License-Identifier: GPL-3.0-or-later
# No nested event loop in product code, checked on the sources: run as
# `cmake -DSOURCE_DIR=... -P CheckEventLoops.cmake`. Waits are
# timers and signals; a modal dialog's own exec is the only loop inside the main one.
# Product code is every source outside tests/, bench/, fuzz/ and the build folders.
cmake_minimum_required(VERSION 3.21)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(violations 0)
set(count 0)
foreach(source ${sources})
  if(source MATCHES "^(tests|bench|fuzz|build[^/]*|\\.[^/]*)/")
    continue()
  endif()
  math(EXPR count "${count} + 1")
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "QEventLoop|processEvents")
  foreach(line ${lines})
    string(STRIP "${line}" line)
    message("${source}: ${line}")
    math(EXPR violations "${violations} + 1")
  endforeach()
endforeach()
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} lines of product code run a nested event loop")
endif()
message("${count} files checked: no nested event loop")
