# The Windows program. The 32-bit leg checks its file and its archive as users get them. Both
# legs run, under Wine, the transcripts that can catch what is Windows' own (the command
# processor, line ends, the C runtime's reading and writing): the 32-bit leg with the 32-bit
# loader, where the host runs 32-bit code, the 64-bit leg with the 64-bit one everywhere. Each
# leg has a Wine prefix of its own, where a stand-in for the command processor writes
# "[/c cls]" where the screen is cleared, and where a fixture keeps one server up. Without Wine
# those tests fail; the label wine leaves them out.
if(kaki STREQUAL windows)
  tambah_tes(berkas ${berkas} windows $<TARGET_FILE:tavirel> ${CMAKE_OBJDUMP}
             ${CMAKE_RC_COMPILER} ${PROJECT_BINARY_DIR}/PETUNJUK.txt ${CMAKE_CURRENT_SOURCE_DIR}/impor_xp.txt)
  tambah_tes(paket ${paket} --toolchain ${CMAKE_TOOLCHAIN_FILE})
  set_tests_properties(windows.paket PROPERTIES COST 10) # the longest, so it starts first
  set(nama_pemuat wine)
  set(bit_32 --32bit)
else()
  set(nama_pemuat wine64)
endif()

add_executable(saksi_perintah saksi_perintah.cpp)
target_link_libraries(saksi_perintah PRIVATE peringatan)
target_link_options(saksi_perintah PRIVATE -static)

# Debian keeps the loaders themselves, rather than its wrapper scripts, in /usr/lib/wine.
find_program(WINE NAMES ${nama_pemuat} HINTS /usr/lib/wine)
set(prefix ${CMAKE_CURRENT_BINARY_DIR}/wine)
tambah_tes(siapkan_wine ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${prefix} ${WINE} $<TARGET_FILE:saksi_perintah>
           ${bit_32})
tambah_tes(hentikan_wine ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${prefix} ${WINE})
# Where the host runs no 32-bit code, the fixture says so, exiting with 77, and the 32-bit runs
# after it are skipped; 64-bit runs never give 77.
set_tests_properties(${kaki}.siapkan_wine PROPERTIES FIXTURES_SETUP wine LABELS "${kaki};wine"
                     SKIP_RETURN_CODE 77)
set_tests_properties(${kaki}.hentikan_wine PROPERTIES FIXTURES_CLEANUP wine LABELS "${kaki};wine")
foreach(nama desimal heksa kode_salah masukan_tak_terbaca keluaran_penuh)
  tambah_tes(${nama} ${transkrip} ${CMAKE_CURRENT_SOURCE_DIR}/transkrip/${nama}.txt
             --windows ${prefix} -- ${WINE} $<TARGET_FILE:tavirel>)
  set_tests_properties(${kaki}.${nama} PROPERTIES FIXTURES_REQUIRED wine LABELS "${kaki};wine"
                       SKIP_RETURN_CODE 77)
endforeach()
