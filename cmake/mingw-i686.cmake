# Toolchain for the 32-bit (shipped) Windows build with MinGW-w64.
set(SLATEBAR_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
