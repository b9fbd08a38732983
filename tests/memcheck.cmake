# The transcripts again with the program under valgrind's memcheck, which fails the
# test on any error it reports: a read of uninitialised memory, an invalid access, a
# leak of memory that nothing points to.
find_program(VALGRIND valgrind)
if(NOT VALGRIND)
  message(WARNING "valgrind is missing: the memcheck tests are left out.")
  return()
endif()
tambah_transkrip(memcheck --
  ${VALGRIND} --quiet --error-exitcode=99 --track-origins=yes --leak-check=full
  --errors-for-leak-kinds=definite $<TARGET_FILE:tavirel>)
