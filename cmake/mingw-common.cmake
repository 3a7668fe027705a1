# Shared part of the two MinGW-w64 toolchain files. The including file sets
# SLATEBAR_MINGW_ARCH (i686 or x86_64) before including this one.
#
# Used both for the project's Windows builds and by scripts/deps-mingw to
# build zlib, libpng and libjpeg-turbo, so the libraries and the program are
# made by the very same compilers.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_VERSION 6.1)
set(CMAKE_SYSTEM_PROCESSOR ${SLATEBAR_MINGW_ARCH})

set(SLATEBAR_MINGW_TRIPLE ${SLATEBAR_MINGW_ARCH}-w64-mingw32)

# GCC 12's win32 thread model has no std::mutex, std::call_once or
# std::thread, so shared toolkit code that builds on the host could fail to
# build here for no visible reason. The posix model has all of them; with the
# static link below winpthread is linked in, never imported as a DLL.
set(SLATEBAR_MINGW_THREADS posix CACHE STRING "MinGW-w64 thread model of the compilers (posix or win32)")
set_property(CACHE SLATEBAR_MINGW_THREADS PROPERTY STRINGS posix win32)

set(CMAKE_C_COMPILER ${SLATEBAR_MINGW_TRIPLE}-gcc-${SLATEBAR_MINGW_THREADS})
set(CMAKE_CXX_COMPILER ${SLATEBAR_MINGW_TRIPLE}-g++-${SLATEBAR_MINGW_THREADS})
set(CMAKE_RC_COMPILER ${SLATEBAR_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${SLATEBAR_MINGW_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB ${SLATEBAR_MINGW_TRIPLE}-ranlib CACHE FILEPATH "")
set(CMAKE_OBJDUMP ${SLATEBAR_MINGW_TRIPLE}-objdump CACHE FILEPATH "")

# -O2 rather than CMake's -O3 for Release: smaller, quicker to build, and
# the program spends its time waiting on messages.
set(CMAKE_C_FLAGS_RELEASE_INIT "-O2 -DNDEBUG")
set(CMAKE_CXX_FLAGS_RELEASE_INIT "-O2 -DNDEBUG")

# Fully static: no libstdc++, libgcc or winpthread DLL beside the exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Address-space layout randomisation and DEP, asked for by name rather than
# left to the linker's defaults (older binutils set neither); the 64-bit
# image also lets the loader place it anywhere in its address space. A plain
# variable, not a cache entry, so that a build folder configured before a
# change here follows it; the exe's target adds it to its link.
set(SLATEBAR_PE_HARDENING -Wl,--dynamicbase -Wl,--nxcompat)
if(SLATEBAR_MINGW_ARCH STREQUAL "x86_64")
  list(APPEND SLATEBAR_PE_HARDENING -Wl,--high-entropy-va)
endif()

# The libraries that scripts/deps-mingw builds, then the compilers' own sysroot.
get_filename_component(_slatebar_repo "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(SLATEBAR_MINGW_DEPS_DIR "${_slatebar_repo}/.cache/mingw-deps/${SLATEBAR_MINGW_ARCH}"
    CACHE PATH "Install prefix of the static zlib, libpng and libjpeg-turbo for this architecture")
set(CMAKE_FIND_ROOT_PATH "${SLATEBAR_MINGW_DEPS_DIR}" /usr/${SLATEBAR_MINGW_TRIPLE})
list(APPEND CMAKE_PREFIX_PATH "${SLATEBAR_MINGW_DEPS_DIR}")

# Programs come from the build machine; headers, libraries and packages only
# from the target roots above, never from the host's /usr.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
