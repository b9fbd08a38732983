# Extra tests of the sanitizer build: random streams through the whole program, and
# a short coverage-guided fuzz run of the reading of numbers and words.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "The sanitizer build needs clang, for libFuzzer.")
endif()

# A report halts the program with a status of its own; the tests also fail on any
# text on standard error.
set(lingkungan_sanitasi "ASAN_OPTIONS=exitcode=86;UBSAN_OPTIONS=exitcode=87:print_stacktrace=1")
get_property(semua_tes DIRECTORY PROPERTY TESTS)
set_tests_properties(${semua_tes} PROPERTIES ENVIRONMENT "${lingkungan_sanitasi}")

add_test(NAME tekanan
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/tekanan.py $<TARGET_FILE:tavirel>)
set_tests_properties(tekanan PROPERTIES TIMEOUT 600 ENVIRONMENT "${lingkungan_sanitasi}")

set(DURASI_FUZZ 60 CACHE STRING "Seconds of the fuzz run in the tests")
add_executable(fuzz_bacaan
  fuzz/bacaan.cpp
  ${PROJECT_SOURCE_DIR}/console/masukan.cpp
  ${PROJECT_SOURCE_DIR}/conversion/sel.cpp
  ${PROJECT_SOURCE_DIR}/conversion/ke_desimal.cpp
  ${PROJECT_SOURCE_DIR}/conversion/desimal_ke_basis.cpp)
target_include_directories(fuzz_bacaan PRIVATE ${PROJECT_SOURCE_DIR})
target_compile_options(fuzz_bacaan PRIVATE -fsanitize=fuzzer)
target_link_options(fuzz_bacaan PRIVATE -fsanitize=fuzzer)
target_link_libraries(fuzz_bacaan PRIVATE peringatan)

# New inputs go to a corpus in the build tree; the committed seeds are only read.
set(korpus ${CMAKE_CURRENT_BINARY_DIR}/korpus)
file(MAKE_DIRECTORY ${korpus})
add_test(NAME fuzz.bacaan
  COMMAND fuzz_bacaan -max_total_time=${DURASI_FUZZ} -seed=1 -max_len=4096 -timeout=5
          -print_final_stats=1 -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/fuzz-
          ${korpus} ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/korpus)
math(EXPR batas_fuzz "${DURASI_FUZZ} + 120")
set_tests_properties(fuzz.bacaan PROPERTIES TIMEOUT ${batas_fuzz})
