# Helpers for the Windows builds: the resource script and the distributable
# folder. The top-level CMakeLists.txt applies both to the `slatebar` exe
# target on its own; calling them again for it is harmless.

set(SLATEBAR_RESOURCES_DIR ${PROJECT_SOURCE_DIR}/resources)
set(SLATEBAR_RC ${SLATEBAR_RESOURCES_DIR}/slatebar.rc)

# Every file named in the resource script, as absolute paths. windres does
# not report what it reads, so these become explicit dependencies: a design
# that changes rebuilds the resources, and a file not made yet stops the
# build with its name.
function(slatebar_rc_files out)
  file(STRINGS ${SLATEBAR_RC} lines)
  set(files)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(//|#)")
      continue()
    endif()
    if(line MATCHES "\"([^\"]+)\"")
      list(APPEND files ${SLATEBAR_RESOURCES_DIR}/${CMAKE_MATCH_1})
    endif()
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# Compiles resources/slatebar.rc into <target>: icon, manifest, designs,
# pictures; and the version resource from resources/version.rc.in.
function(slatebar_add_resources target)
  get_target_property(done ${target} SLATEBAR_RESOURCES_ADDED)
  if(done)
    return()
  endif()
  set_property(TARGET ${target} PROPERTY SLATEBAR_RESOURCES_ADDED TRUE)
  # Reconfigure when the script changes, so the dependency list follows it.
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${SLATEBAR_RC})
  slatebar_rc_files(deps)
  get_target_property(sources ${target} SOURCES)
  if(NOT SLATEBAR_RC IN_LIST sources)
    target_sources(${target} PRIVATE ${SLATEBAR_RC})
  endif()
  # The version resource, filled in from the project's version and names.
  set(version_rc ${CMAKE_BINARY_DIR}/version.rc)
  configure_file(${SLATEBAR_RESOURCES_DIR}/version.rc.in ${version_rc} @ONLY)
  target_sources(${target} PRIVATE ${version_rc})
  set_source_files_properties(${SLATEBAR_RC} TARGET_DIRECTORY ${target} PROPERTIES
    OBJECT_DEPENDS "${deps}"
    INCLUDE_DIRECTORIES ${SLATEBAR_RESOURCES_DIR})
endfunction()

# slatebar_assemble_dist(<exe target> [<dist dir>])
# Assembles <dist dir> (default SLATEBAR_DIST_DIR: dist/win64 in the 64-bit
# build, dist/win32 in the 32-bit one) from the target at every build: the exe, pics/ from
# resources/pics and menu/ from resources/menu. The folder is made afresh
# each time, so files a run of the program left there (its fetched
# pics/user.bmp above all) are never shipped.
function(slatebar_assemble_dist exe_target)
  if(ARGC GREATER 1)
    set(dist_dir ${ARGV1})
  else()
    set(dist_dir ${SLATEBAR_DIST_DIR})
  endif()
  get_property(done GLOBAL PROPERTY SLATEBAR_DIST_${exe_target})
  if(done)
    return()
  endif()
  set_property(GLOBAL PROPERTY SLATEBAR_DIST_${exe_target} TRUE)
  add_custom_target(${exe_target}_dist ALL
    COMMAND ${CMAKE_COMMAND}
      -DEXE=$<TARGET_FILE:${exe_target}>
      -DPICS=${SLATEBAR_RESOURCES_DIR}/pics
      -DMENU=${SLATEBAR_RESOURCES_DIR}/menu
      -DDEST=${dist_dir}
      -P ${PROJECT_SOURCE_DIR}/cmake/assemble-dist.cmake
    DEPENDS ${exe_target}
    COMMENT "Assembling ${dist_dir}"
    VERBATIM)
endfunction()
