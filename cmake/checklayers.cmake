# Fails when a source folder includes a header of a folder above it, so no two folders can depend
# on each other. Run as `cmake -DSOURCE_DIR=<src> -P checklayers.cmake`.
#
cmake_minimum_required(VERSION 3.25)

# The folders, lowest first. A file may include headers of its own folder and of folders before it.
set(LAYERS platform diskimage platformui images app sets install windows prefs online browser library)
# The start-up sits above everything: it creates the main window.
set(TOP_FILES app/startup.cpp main.cpp)
# Links that are still being taken apart; each entry is "folder>folder".
set(KNOWN_EXCEPTIONS "")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
set(faults "")
foreach(source ${sources})
  if(source IN_LIST TOP_FILES)
    continue()
  endif()
  string(REGEX MATCH "^[^/]+" folder "${source}")
  list(FIND LAYERS ${folder} rank)
  if(rank EQUAL -1)
    string(APPEND faults "\n  ${source}: the folder ${folder} is not in the layer list")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^#include \"[a-z]+/")
  foreach(line ${includes})
    string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
    list(FIND LAYERS ${target} targetRank)
    if(targetRank GREATER rank AND NOT "${folder}>${target}" IN_LIST KNOWN_EXCEPTIONS)
      string(APPEND faults "\n  ${source}: ${line} (${folder} is below ${target})")
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN LAYERS " < " order)
  message(FATAL_ERROR "Includes against the layers (${order}):${faults}")
endif()
