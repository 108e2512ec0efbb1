# Fails when an include in src/ points up or sideways between layers.
#   cmake -DSOURCE_DIR=<project root> -P scripts/check-layers.cmake
#
# Each folder of src/ may include its own headers and those of the folders listed for it; a
# folder missing from the table is an error too, so a new folder must be given its place.
#   1 base                        the clock and number texts
#   2 driver, forms/runtime       each over the base only (driver/sim, driver/recording and
#                                 driver/library over the driver too); forms/qt over the runtime
#   3 program                     the shared data and services
#   4 forms/common                fields, board picker, dialog and panel frames, waits
#   5 window families             shell, init, commands/motion, commands/io, panels
#   6 mainwindow                  the main window, its menus and start-up: sees every family
# src/main.cpp, tools/ and bench/ stand above them all and are not checked.

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check-layers: pass -DSOURCE_DIR=<project root>")
endif()

set(layer_base "")
set(layer_driver base)
set(layer_program base driver driver/sim driver/recording driver/library forms/runtime)
set(layer_common ${layer_program} program)
set(layer_family ${layer_common} forms/common)

set(allowed_base "")
set(allowed_driver ${layer_driver})
set(allowed_driver/sim ${layer_driver} driver)
set(allowed_driver/recording ${layer_driver} driver)
set(allowed_driver/library ${layer_driver} driver)
set(allowed_forms/runtime base)
set(allowed_forms/qt base forms/runtime)
set(allowed_program ${layer_program})
set(allowed_forms/common ${layer_common})
foreach(family shell init commands/motion commands/io panels)
  set(allowed_${family} ${layer_family})
endforeach()
set(allowed_mainwindow ${layer_family} shell init commands/motion commands/io panels)
set(known base driver driver/sim driver/recording driver/library forms/runtime forms/qt program forms/common shell init
          commands/motion commands/io panels mainwindow)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(problems "")
foreach(source IN LISTS sources)
  get_filename_component(folder ${source} DIRECTORY)
  if(folder STREQUAL "")
    continue() # src/main.cpp: the program itself
  endif()
  if(NOT folder IN_LIST known)
    list(APPEND problems "src/${folder}: a folder without a layer (add it to scripts/check-layers.cmake)")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*" "\\1" header "${line}")
    get_filename_component(target ${header} DIRECTORY)
    if(target STREQUAL folder OR target IN_LIST allowed_${folder})
      continue()
    endif()
    list(APPEND problems "src/${source} includes \"${header}\": ${folder} may not include ${target}")
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "Layers hold: ${count} files checked.")
