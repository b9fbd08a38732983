# The Windows program: its file as users get it, then the transcripts under Wine. Wine runs
# in a prefix of its own, where a stand-in for the command processor writes "[/c cls]"
# where the screen is cleared, and where a fixture keeps one server up for the suite.
add_test(NAME windows.berkas
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/berkas_windows.py
          $<TARGET_FILE:tavirel> ${PROJECT_VERSION} ${CMAKE_OBJDUMP} ${CMAKE_RC_COMPILER} --
          ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} --toolchain ${CMAKE_TOOLCHAIN_FILE}
          -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE} -DBUILD_TESTING=OFF -B ${CMAKE_CURRENT_BINARY_DIR}/ulang)

# Without Wine the program is still built, and its transcripts are left out.
find_program(WINE wine)
if(NOT WINE)
  message(WARNING "Wine is missing: the transcripts of tavirel.exe cannot run here.")
  return()
endif()
add_executable(saksi_perintah saksi_perintah.cpp)
target_link_libraries(saksi_perintah PRIVATE peringatan)
target_link_options(saksi_perintah PRIVATE -static)

set(prefix ${CMAKE_CURRENT_BINARY_DIR}/wine)
add_test(NAME windows.siapkan_wine
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${prefix} $<TARGET_FILE:saksi_perintah>)
add_test(NAME windows.hentikan_wine COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${prefix})
set_tests_properties(windows.siapkan_wine PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(windows.hentikan_wine PROPERTIES FIXTURES_CLEANUP wine)

# A terminal is a Unix one, which the Windows program under Wine does not see as such.
list(FILTER transkrip EXCLUDE REGEX "/terminal_[^/]*$")
tambah_transkrip(windows --windows ${prefix} -- ${WINE} $<TARGET_FILE:tavirel>)
set_tests_properties(${tes_transkrip} PROPERTIES FIXTURES_REQUIRED wine)
