# Robustness tests: A/W differential, threads and lifecycle on freshly loaded
# libraries, the exports that must not run the one-time build, and (cross
# build) the Windows load/unload and thread test run under Wine.
if(WIN32)
  add_executable(kodownik_win_threads ${CMAKE_SOURCE_DIR}/tests/stress/win_threads.cpp)
  target_compile_options(kodownik_win_threads PRIVATE ${KODOWNIK_WARNINGS})
  target_link_options(kodownik_win_threads PRIVATE -static)
  return()
endif()

set(_harness ${CMAKE_SOURCE_DIR}/tests/harness)
add_library(kodownik_harness_case STATIC ${_harness}/case.cpp)
target_include_directories(kodownik_harness_case PUBLIC ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/src
                           ${CMAKE_SOURCE_DIR}/tests)
add_library(kodownik_harness_loaded STATIC ${_harness}/loaded_w.cpp ${_harness}/loaded_a.cpp)
target_link_libraries(kodownik_harness_loaded PUBLIC kodownik_harness_case ${CMAKE_DL_LIBS} pthread)
foreach(t kodownik_harness_case kodownik_harness_loaded)
  target_compile_options(${t} PRIVATE ${KODOWNIK_WARNINGS})
endforeach()

add_executable(kodownik_differential ${CMAKE_SOURCE_DIR}/tests/differential/differential.cpp)
add_executable(kodownik_threads ${CMAKE_SOURCE_DIR}/tests/stress/threads.cpp)
foreach(t kodownik_differential kodownik_threads)
  target_link_libraries(${t} PRIVATE kodownik_harness_loaded)
  target_compile_options(${t} PRIVATE ${KODOWNIK_WARNINGS})
  add_dependencies(${t} Kodownik_W Kodownik_A)
endforeach()

foreach(v W A)
  add_executable(kodownik_first_use_${v} ${CMAKE_SOURCE_DIR}/tests/stress/first_use.cpp
                 $<TARGET_OBJECTS:kodownik_obj_${v}>)
  target_include_directories(kodownik_first_use_${v} PRIVATE ${CMAKE_SOURCE_DIR}/include ${CMAKE_SOURCE_DIR}/src
                             ${CMAKE_SOURCE_DIR}/tests)
  target_compile_definitions(kodownik_first_use_${v} PRIVATE KODOWNIK_BUILDING=1)
  if(v STREQUAL "W")
    target_compile_definitions(kodownik_first_use_${v} PRIVATE KODOWNIK_WIDE=1)
  endif()
  target_compile_options(kodownik_first_use_${v} PRIVATE ${KODOWNIK_WARNINGS})
  target_link_libraries(kodownik_first_use_${v} PRIVATE kodownik_harness_case pthread)
  add_test(NAME first_use_${v} COMMAND kodownik_first_use_${v} ${KODOWNIK_VECTORS})
  add_test(NAME threads_${v} COMMAND kodownik_threads $<TARGET_FILE:Kodownik_${v}> ${KODOWNIK_VECTORS})
endforeach()

if(KODOWNIK_SANITIZE)
  foreach(t kodownik_harness_case kodownik_harness_loaded kodownik_differential kodownik_threads kodownik_first_use_W kodownik_first_use_A)
    target_compile_options(${t} PRIVATE -fsanitize=${KODOWNIK_SANITIZE} -fno-omit-frame-pointer)
    target_link_options(${t} PRIVATE -fsanitize=${KODOWNIK_SANITIZE})
  endforeach()
endif()

add_test(NAME differential
  COMMAND kodownik_differential --seed 20260101 --cases 20000
          $<TARGET_FILE:Kodownik_W> $<TARGET_FILE:Kodownik_A> ${KODOWNIK_VECTORS})
