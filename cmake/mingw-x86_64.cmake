# The same sources as a 64-bit Windows program, tested under wine64.
set(ZEMIT_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
