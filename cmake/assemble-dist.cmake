# cmake -DEXE=<exe> -DPICS=<dir> -DMENU=<dir> -DDEST=<dir> -P assemble-dist.cmake
#
# Makes DEST hold exactly: the exe, pics/ (the pictures of PICS, never a
# user.bmp: the program fetches that one itself) and menu/ (all of MENU).
foreach(var EXE PICS MENU DEST)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "assemble-dist: ${var} not given")
  endif()
endforeach()
if(NOT EXISTS "${EXE}")
  message(FATAL_ERROR "assemble-dist: no exe at ${EXE}")
endif()

file(REMOVE_RECURSE "${DEST}")
file(MAKE_DIRECTORY "${DEST}/pics" "${DEST}/menu")
file(COPY "${EXE}" DESTINATION "${DEST}")

if(IS_DIRECTORY "${PICS}")
  file(GLOB pictures LIST_DIRECTORIES false "${PICS}/*")
  foreach(p IN LISTS pictures)
    get_filename_component(name "${p}" NAME)
    string(TOLOWER "${name}" lower)
    if(NOT lower STREQUAL "user.bmp")
      file(COPY "${p}" DESTINATION "${DEST}/pics")
    endif()
  endforeach()
else()
  message(WARNING "assemble-dist: ${PICS} does not exist yet")
endif()

if(IS_DIRECTORY "${MENU}")
  file(COPY "${MENU}/" DESTINATION "${DEST}/menu")
else()
  message(WARNING "assemble-dist: ${MENU} does not exist yet")
endif()
