# The Windows program: its file and its archive as users get them, then under Wine the
# transcripts that can catch what is Windows' own (the command processor, line ends, the C
# runtime's reading and writing, a 32-bit build). Wine runs in a prefix of its own, where a
# stand-in for the command processor writes "[/c cls]" where the screen is cleared, and where
# a fixture keeps one server up. Without Wine those tests fail; the label wine leaves them out.
tambah_tes(berkas ${berkas} windows $<TARGET_FILE:tavirel> ${PROJECT_VERSION} ${CMAKE_OBJDUMP}
           ${CMAKE_RC_COMPILER} ${PROJECT_BINARY_DIR}/PETUNJUK.txt ${CMAKE_CURRENT_SOURCE_DIR}/impor_xp.txt)
tambah_tes(paket ${paket} --toolchain ${CMAKE_TOOLCHAIN_FILE})

add_executable(saksi_perintah saksi_perintah.cpp)
target_link_libraries(saksi_perintah PRIVATE peringatan)
target_link_options(saksi_perintah PRIVATE -static)

find_program(WINE wine)
set(prefix ${CMAKE_CURRENT_BINARY_DIR}/wine)
tambah_tes(siapkan_wine ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${prefix} $<TARGET_FILE:saksi_perintah>)
tambah_tes(hentikan_wine ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${prefix})
set_tests_properties(windows.siapkan_wine PROPERTIES FIXTURES_SETUP wine LABELS "windows;wine")
set_tests_properties(windows.hentikan_wine PROPERTIES FIXTURES_CLEANUP wine LABELS "windows;wine")
foreach(nama desimal heksa kode_salah habis_di_coba_lagi masukan_tak_terbaca keluaran_penuh)
  tambah_tes(${nama} ${transkrip} ${CMAKE_CURRENT_SOURCE_DIR}/transkrip/${nama}.txt
             --windows ${prefix} -- ${WINE} $<TARGET_FILE:tavirel>)
  set_tests_properties(windows.${nama} PROPERTIES FIXTURES_REQUIRED wine LABELS "windows;wine")
endforeach()
