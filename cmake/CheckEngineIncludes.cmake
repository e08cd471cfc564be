cmake_minimum_required(VERSION 3.25)
# Run as a test: cmake -DSRC=<source dir> -P CheckEngineIncludes.cmake
# Fails when a source of compat, core or an engine includes above its layer.
include(${CMAKE_CURRENT_LIST_DIR}/Sources.cmake)
file(GLOB_RECURSE all ${SRC}/src/*.cpp ${SRC}/src/*.h)
list(LENGTH all n)
if(n EQUAL 0)
  message(FATAL_ERROR "no sources found below ${SRC}/src")
endif()
quorvane_check_layers("${SRC}" "${all}" bad)
if(bad)
  quorvane_refuse_layers("${bad}")
endif()
message(STATUS "layer include check: ${n} files below ${SRC}/src")
