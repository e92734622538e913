# The floors of the house, checked on every include of src/. Run as
#   cmake -DQUELLEN=<src dir> -P Schichten.cmake
# A file may include headers of its own floor and of the floors below it, and a core file
# (outside ui/ and port/) no header of a ui/ or port/ folder. The programs differ: main() of
# orvan (app/main.cpp) puts the windows together, orvan-cli may use the serial port but no
# window. Each breach is printed as
# "file:line: includes header (floor X above floor Y)"; any breach fails the run.
#
# Floors from the ground up; the programs (src/cli, tools/sim) stand on top of all of them.
set(ETAGEN formula shell catalogue measurement device graph app cli)

if(NOT QUELLEN)
  message(FATAL_ERROR "QUELLEN (the src directory) is not set")
endif()
get_filename_component(QUELLEN "${QUELLEN}" ABSOLUTE)

function(etage_von pfad ergebnis)
  string(REGEX MATCH "^[^/]+" ordner "${pfad}")
  list(FIND ETAGEN "${ordner}" nr)
  set(${ergebnis} ${nr} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE dateien RELATIVE ${QUELLEN} ${QUELLEN}/*.h ${QUELLEN}/*.cpp ${QUELLEN}/*.inc)
if(NOT dateien)
  message(FATAL_ERROR "no source files under ${QUELLEN}")
endif()
list(SORT dateien)
set(verstoesse 0)
foreach(datei IN LISTS dateien)
  etage_von("${datei}" eigene)
  if(eigene LESS 0)
    message(SEND_ERROR "${datei}: the folder is on no floor; add it to ETAGEN in ${CMAKE_CURRENT_LIST_FILE}")
    math(EXPR verstoesse "${verstoesse} + 1")
    continue()
  endif()
  list(GET ETAGEN ${eigene} eigenerName)
  set(verboten "/(ui|port)/") # what a core file may not include
  if(datei MATCHES "/(ui|port)/" OR datei STREQUAL "app/main.cpp")
    set(verboten "")
  elseif(eigenerName STREQUAL "cli")
    set(verboten "/ui/")
  endif()
  file(STRINGS ${QUELLEN}/${datei} zeilen)
  set(nr 0)
  foreach(zeile IN LISTS zeilen)
    math(EXPR nr "${nr} + 1")
    if(NOT zeile MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
      continue()
    endif()
    set(kopf "${CMAKE_MATCH_1}")
    if(NOT kopf MATCHES "/")
      continue() # a header next to the file (generated ones and the like)
    endif()
    etage_von("${kopf}" fremde)
    if(fremde LESS 0)
      continue() # not one of ours
    endif()
    list(GET ETAGEN ${fremde} fremderName)
    if(fremde GREATER eigene)
      message("${datei}:${nr}: includes ${kopf} (floor ${fremderName} above floor ${eigenerName})")
      math(EXPR verstoesse "${verstoesse} + 1")
    elseif(verboten AND kopf MATCHES "${verboten}")
      message("${datei}:${nr}: includes ${kopf} (a window or port header in core code)")
      math(EXPR verstoesse "${verstoesse} + 1")
    endif()
  endforeach()
endforeach()

list(LENGTH dateien anzahl)
if(verstoesse GREATER 0)
  message(FATAL_ERROR "${verstoesse} include(s) against the floors in ${anzahl} files")
endif()
message("${anzahl} files, every include on its own floor or below")
