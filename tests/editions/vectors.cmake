# The current editions (-DKODOWNIK_EDITIONS=current) answer some cases of
# tests/vectors/ otherwise: a later act closed the period they ask about or
# added an edition (tests/editions/snapshot_only.tsv lists them). Every test
# that runs the vectors runs, in this build, the other cases plus the
# editions' own (tests/editions/*.vec); each listed case is checked to differ.
set(_out ${CMAKE_BINARY_DIR}/vectors-current)
file(REMOVE_RECURSE ${_out})
file(MAKE_DIRECTORY ${_out})
execute_process(COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/editions/filter_vectors.py ${_out}
                RESULT_VARIABLE _r OUTPUT_VARIABLE _o ERROR_VARIABLE _o)
if(NOT _r EQUAL 0)
  message(FATAL_ERROR "tests/editions/filter_vectors.py failed:\n${_o}")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KODOWNIK_VECTORS}
             ${CMAKE_SOURCE_DIR}/tests/editions/snapshot_only.tsv ${CMAKE_SOURCE_DIR}/tests/editions/filter_vectors.py)
file(GLOB _filtered ${_out}/*.vec)
list(FILTER _filtered EXCLUDE REGEX "/snapshot_only\\.vec$")
file(GLOB _own CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/editions/*.vec)
set(KODOWNIK_VECTORS ${_filtered} ${_own})
set(KODOWNIK_SNAPSHOT_ONLY_VECTORS ${_out}/snapshot_only.vec)
