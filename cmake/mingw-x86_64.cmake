# Toolchain for the 64-bit (end-to-end tested) Windows build with MinGW-w64.
set(SLATEBAR_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
