# The Windows program. The 32-bit leg checks its file and its archive as users get them, once
# cpack has made the archive. Both legs run, under Wine, the transcripts that run on Windows: the
# 32-bit leg with the 32-bit loader, where the host runs 32-bit code, the 64-bit leg with the
# 64-bit one everywhere. Each leg has a Wine prefix of its own, prepared once for all its
# transcripts, where a stand-in for the command processor writes "[/c cls]" where the screen is
# cleared.
set(kaki windows64)
set(pemuat wine64)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(kaki windows)
  set(pemuat wine)
  tambah_tes(${kaki} berkas ${berkas} windows $<TARGET_FILE:tavirel> ${CMAKE_OBJDUMP}
             ${CMAKE_RC_COMPILER} ${PROJECT_BINARY_DIR}/PETUNJUK.txt
             ${PROJECT_BINARY_DIR}/tavirel-${PROJECT_VERSION}-win32.zip
             ${CMAKE_CURRENT_SOURCE_DIR}/impor_xp.txt)
endif()
# Debian keeps the loaders themselves, rather than its wrapper scripts, in /usr/lib/wine.
find_program(WINE NAMES ${pemuat} HINTS /usr/lib/wine)

# A kernel that runs no 32-bit code cannot start the 32-bit loader that it finds: then the leg's
# one test under Wine says so and is skipped, which tests/semua allows only there. The 64-bit
# loader starts on every x86-64 host. A loader not found fails the transcripts.
execute_process(COMMAND ${WINE} --version RESULT_VARIABLE pemuat_jalan OUTPUT_QUIET ERROR_QUIET)
if(WINE AND NOT pemuat_jalan EQUAL 0)
  tambah_tes(${kaki} wine sh -c "echo 'Skipped: this host does not start ${WINE}.' && exit 77")
  set_tests_properties(${kaki}.wine PROPERTIES SKIP_RETURN_CODE 77)
  return()
endif()

add_executable(saksi_perintah saksi_perintah.cpp)
target_link_libraries(saksi_perintah PRIVATE peringatan)
target_link_options(saksi_perintah PRIVATE -static)
tambah_tes(${kaki} wine_siap ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh $<TARGET_FILE:saksi_perintah>)
tambah_tes(${kaki} wine_selesai wineserver -k)
tambah_transkrip(${kaki} windows --windows -- setarch -R ${WINE} $<TARGET_FILE:tavirel>)
set_tests_properties(${kaki}.wine_siap PROPERTIES FIXTURES_SETUP wine_${kaki})
set_tests_properties(${kaki}.wine_selesai PROPERTIES FIXTURES_CLEANUP wine_${kaki})
set_tests_properties(${transkrip_${kaki}} PROPERTIES FIXTURES_REQUIRED wine_${kaki})
set_tests_properties(${kaki}.wine_siap ${kaki}.wine_selesai ${transkrip_${kaki}} PROPERTIES
                     ENVIRONMENT "WINEPREFIX=${CMAKE_CURRENT_BINARY_DIR}/wine;WINELOADER=${WINE}")
