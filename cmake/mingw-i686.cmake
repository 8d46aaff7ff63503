# Cross build of the 32-bit Windows DLLs.
set(KODOWNIK_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
