# Cross build of the 64-bit Windows DLLs.
set(KODOWNIK_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
