# The Windows program. The 32-bit leg checks its file and its archive as users get them, once
# cpack has made the archive. Both legs run, under Wine, the transcripts that can catch what
# is Windows' own (the command processor, line ends, the C runtime's reading and writing):
# the 32-bit leg with the 32-bit loader, where the host runs 32-bit code, the 64-bit leg with
# the 64-bit one everywhere. Each leg has a Wine prefix of its own, where a stand-in for the
# command processor writes "[/c cls]" where the screen is cleared, and where a fixture keeps
# one server up.
set(kaki windows64)
set(pemuat wine64)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(kaki windows)
  set(pemuat wine)
  set(zip ${PROJECT_BINARY_DIR}/tavirel-${PROJECT_VERSION}-win32.zip)
  tambah_tes(${kaki} berkas ${berkas} windows $<TARGET_FILE:tavirel> ${CMAKE_OBJDUMP}
             ${CMAKE_RC_COMPILER} ${PROJECT_BINARY_DIR}/PETUNJUK.txt ${zip}
             ${CMAKE_CURRENT_SOURCE_DIR}/impor_xp.txt)
endif()
# Debian keeps the loaders themselves, rather than its wrapper scripts, in /usr/lib/wine.
find_program(WINE NAMES ${pemuat} HINTS /usr/lib/wine)

# Where the kernel runs no 32-bit code, the 32-bit loader cannot start (a shell gives 126 for
# that: Exec format error), and one test, skipped, says so in place of the 32-bit runs; setting
# TAVIREL_TANPA_32BIT takes that path anywhere.
execute_process(COMMAND sh -c "\"$0\" --version" ${WINE} RESULT_VARIABLE mulai
                OUTPUT_QUIET ERROR_QUIET)
if(mulai EQUAL 126 OR (kaki STREQUAL windows AND DEFINED ENV{TAVIREL_TANPA_32BIT}))
  set(sebab "Skipped: this host runs no 32-bit code, or TAVIREL_TANPA_32BIT is set")
  message(NOTICE "32-bit Windows runs: ${sebab}")
  tambah_tes(${kaki} wine_32bit_dilewati sh -c "echo '${sebab}' && exit 77")
  set_tests_properties(${kaki}.wine_32bit_dilewati PROPERTIES SKIP_RETURN_CODE 77)
  return()
endif()

add_executable(saksi_perintah saksi_perintah.cpp)
target_link_libraries(saksi_perintah PRIVATE peringatan)
target_link_options(saksi_perintah PRIVATE -static)

set(prefix ${CMAKE_CURRENT_BINARY_DIR}/wine)
set(wine_sh ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh)
tambah_tes(${kaki} siapkan_wine ${wine_sh} ${prefix} ${WINE} $<TARGET_FILE:saksi_perintah>)
tambah_tes(${kaki} hentikan_wine ${wine_sh} ${prefix} ${WINE})
set_tests_properties(${kaki}.siapkan_wine PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(${kaki}.hentikan_wine PROPERTIES FIXTURES_CLEANUP wine)
foreach(nama desimal heksa token masukan_tak_terbaca keluaran_penuh)
  tambah_tes(${kaki} ${nama} ${transkrip} ${CMAKE_CURRENT_SOURCE_DIR}/transkrip/${nama}.txt
             --windows ${prefix} -- ${WINE} $<TARGET_FILE:tavirel>)
  set_tests_properties(${kaki}.${nama} PROPERTIES FIXTURES_REQUIRED wine)
endforeach()
