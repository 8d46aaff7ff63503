# Installing the Linux libraries for host programs: the header, both shared
# libraries with their sonames, a CMake package (find_package(Kodownik) with
# the targets Kodownik::W and Kodownik::A) and pkg-config files (kodownik-w,
# kodownik-a). The package and the .pc files are relocatable: they find the
# tree relative to their own place, so `cmake --install --prefix DIR` works
# for any DIR. The Windows DLLs are packed by scripts/package-windows.
if(WIN32)
  return()
endif()

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS Kodownik_W Kodownik_A
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/include/kodownik/kodownik.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kodownik)

set(KODOWNIK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Kodownik)
# From lib/cmake/Kodownik (or lib/<triplet>/cmake/Kodownik) back to the prefix.
file(RELATIVE_PATH KODOWNIK_REL_PREFIX /prefix/${KODOWNIK_CMAKE_DIR} /prefix)
configure_file(${CMAKE_SOURCE_DIR}/cmake/KodownikConfig.cmake.in
  ${CMAKE_BINARY_DIR}/install/KodownikConfig.cmake @ONLY)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/install/KodownikConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/install/KodownikConfig.cmake
              ${CMAKE_BINARY_DIR}/install/KodownikConfigVersion.cmake
  DESTINATION ${KODOWNIK_CMAKE_DIR})

file(RELATIVE_PATH KODOWNIK_PC_TO_PREFIX /prefix/${CMAKE_INSTALL_LIBDIR}/pkgconfig /prefix)
string(REGEX REPLACE "/$" "" KODOWNIK_PC_TO_PREFIX "${KODOWNIK_PC_TO_PREFIX}")
foreach(v W A)
  string(TOLOWER ${v} KODOWNIK_PC_VARIANT)
  set(KODOWNIK_PC_LIB Kodownik_${v})
  if(v STREQUAL "W")
    set(KODOWNIK_PC_TEXT "UTF-16 texts")
    set(KODOWNIK_PC_CFLAGS "-DKODOWNIK_WIDE=1")
  else()
    set(KODOWNIK_PC_TEXT "Windows-1250 texts")
    set(KODOWNIK_PC_CFLAGS "")
  endif()
  configure_file(${CMAKE_SOURCE_DIR}/cmake/kodownik.pc.in
    ${CMAKE_BINARY_DIR}/install/kodownik-${KODOWNIK_PC_VARIANT}.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/install/kodownik-${KODOWNIK_PC_VARIANT}.pc
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endforeach()
