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
