# Fails when an include in src/ points up or sideways between layers.
#   cmake -DSOURCE_DIR=<project root> -P scripts/check-layers.cmake
#
# Each folder of src/ may include its own headers and those of the folders listed for it; a
# folder missing from the table is an error too, so a new folder must be given its place.
#   1 base                        the clock and number texts
#   2 driver, runtime             each over the base only: the driver is the MotionDriver
#                                 interface, its status texts and board types; qt (the
#                                 renderer) over the runtime
#   2a driver/sim, driver/recording, driver/library
#                                 the concrete drivers, over the driver; only mainwindow, which
#                                 builds them for the headless program, and src/main.cpp see them
#   3 program                     the shared data and files, the menu bar service; it reaches the
#                                 boards through the MotionDriver interface only
#   4 shell                       the shell services (error window, ask-to-save, confirmations,
#                                 help, the background window) and the shell's own windows
#   5 common                      fields, board picker, dialog and panel frames, waits
#   6 window families             init, commands/motion, commands/io, panels (with panels/xy)
#   7 mainwindow                  the main window, its menus and start-up: sees every family
#                                 and the concrete drivers
# src/main.cpp, tools/ and bench/ stand above them all and are not checked.
#
# Both include forms are read. A quoted include names a header of the project and is always
# judged; an angle-bracket include is judged only when its first path component is the first
# component of a folder of the table (<mainwindow/...>, <driver/sim/...>, <commands/...>), so
# that system and library headers (<vector>, <QWidget>, <gtest/gtest.h>, <sys/stat.h>) pass.

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check-layers: pass -DSOURCE_DIR=<project root>")
endif()

set(concrete_drivers driver/sim driver/recording driver/library)
set(families init commands/motion commands/io panels panels/xy)

set(layer_base "")
set(layer_driver base)
set(layer_program base driver runtime)
set(layer_shell ${layer_program} program)
set(layer_common ${layer_shell} shell)
set(layer_family ${layer_common} common)

set(allowed_base "")
set(allowed_driver ${layer_driver})
foreach(concrete IN LISTS concrete_drivers)
  set(allowed_${concrete} ${layer_driver} driver)
endforeach()
set(allowed_runtime base)
set(allowed_qt base runtime)
set(allowed_program ${layer_program})
set(allowed_shell ${layer_shell})
set(allowed_common ${layer_common})
foreach(family IN LISTS families)
  set(allowed_${family} ${layer_family})
endforeach()
# The XY demo's folder belongs to the panels family: the panels' menus open the demo.
list(APPEND allowed_panels panels/xy)
set(allowed_mainwindow ${layer_family} ${families} ${concrete_drivers})
set(known base driver ${concrete_drivers} runtime qt program shell common ${families} mainwindow)

# The first path components that make an angle-bracket include one of the project's own.
set(own_roots "")
foreach(folder IN LISTS known)
  string(REGEX REPLACE "/.*" "" root ${folder})
  list(APPEND own_roots ${root})
endforeach()
list(REMOVE_DUPLICATES own_roots)

set(include_line "^[ \t]*#[ \t]*include[ \t]*")
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
  file(STRINGS ${SOURCE_DIR}/src/${source} includes REGEX "${include_line}[\"<]")
  foreach(line IN LISTS includes)
    if(line MATCHES "${include_line}\"([^\"]+)\"")
      set(header ${CMAKE_MATCH_1})
      set(spelled "\"${header}\"")
    elseif(line MATCHES "${include_line}<([^>]+)>")
      set(header ${CMAKE_MATCH_1})
      set(spelled "<${header}>")
      string(REGEX REPLACE "/.*" "" root ${header})
      if(header STREQUAL root OR NOT root IN_LIST own_roots)
        continue() # a system or library header
      endif()
    else()
      continue()
    endif()
    get_filename_component(target ${header} DIRECTORY)
    if(target STREQUAL folder OR target IN_LIST allowed_${folder})
      continue()
    endif()
    list(APPEND problems "src/${source} includes ${spelled}: ${folder} may not include ${target}")
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Includes against the layers:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "Layers hold: ${count} files checked.")
