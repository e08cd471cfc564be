# Writes the program folder's settings file with the draw weekdays held since
# July 2023 (Tuesday, Thursday, Friday, Saturday), only when none exists: a
# user's own settings are never touched. Run as: cmake -DCARTELLA=<dir> -P ...
if(NOT CARTELLA)
  message(FATAL_ERROR "CARTELLA non indicata")
endif()
file(GLOB esistenti "${CARTELLA}/*")
foreach(f IN LISTS esistenti)
  get_filename_component(nome "${f}" NAME)
  string(TOLOWER "${nome}" nome)
  if(nome STREQUAL "quorvane.ini")
    return()
  endif()
endforeach()
file(WRITE "${CARTELLA}/Quorvane.ini" "[Options]\r\nGiorni estrazione=NNYNYYY\r\n")
