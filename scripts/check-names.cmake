# Fails when a file or class under src/ is named only by the short form name that scripts and
# help topics address a window by ("frm55", "Frm72c"): a window class and its files are named for
# what the window does (SetStopModeDialog), and the form name lives only in its name string.
#   cmake -DSOURCE_DIR=<project root> -P scripts/check-names.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "check-names: pass -DSOURCE_DIR=<project root>")
endif()

set(form_code "[Ff]rm[0-9A-Za-z]*")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(problems "")
foreach(source IN LISTS sources)
  get_filename_component(name ${source} NAME_WE)
  if(name MATCHES "^${form_code}$")
    list(APPEND problems "src/${source}: a file named by a form name")
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} classes REGEX "^[ \t]*(class|struct)[ \t]+${form_code}[ \t:{]")
  foreach(line IN LISTS classes)
    string(REGEX REPLACE "^[ \t]*(class|struct)[ \t]+(${form_code}).*" "\\2" class "${line}")
    list(APPEND problems "src/${source}: class ${class} is named by a form name")
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " text)
  message(FATAL_ERROR "Names that say nothing of what they do:\n  ${text}")
endif()
list(LENGTH sources count)
message(STATUS "Names hold: ${count} files checked.")
