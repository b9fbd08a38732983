# The Windows program. The 32-bit leg checks its file and its archive as users get them, once
# cpack has made the archive. Both legs run, under Wine, the transcripts that can catch what is
# Windows' own: the 32-bit leg with the 32-bit loader, where the host runs 32-bit code, the
# 64-bit leg with the 64-bit one everywhere. Each leg has a Wine prefix of its own, where a
# stand-in for the command processor writes "[/c cls]" where the screen is cleared.
set(kaki windows64)
set(pemuat wine64)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(kaki windows)
  set(pemuat wine)
  set(lewati SKIP_RETURN_CODE 77)
  set(zip ${PROJECT_BINARY_DIR}/tavirel-${PROJECT_VERSION}-win32.zip)
  tambah_tes(${kaki} berkas ${berkas} windows $<TARGET_FILE:tavirel> ${CMAKE_OBJDUMP}
             ${CMAKE_RC_COMPILER} ${PROJECT_BINARY_DIR}/PETUNJUK.txt ${zip}
             ${CMAKE_CURRENT_SOURCE_DIR}/impor_xp.txt)
endif()
# Debian keeps the loaders themselves, rather than its wrapper scripts, in /usr/lib/wine.
find_program(WINE NAMES ${pemuat} HINTS /usr/lib/wine)

add_executable(saksi_perintah saksi_perintah.cpp)
target_link_libraries(saksi_perintah PRIVATE peringatan)
target_link_options(saksi_perintah PRIVATE -static)
tambah_tes(${kaki} wine ${CMAKE_CURRENT_SOURCE_DIR}/wine.sh ${CMAKE_CURRENT_BINARY_DIR}/wine
           ${WINE} $<TARGET_FILE:saksi_perintah> $<TARGET_FILE:tavirel> ${transkrip})
# Preparing Wine takes a while. A host that runs no 32-bit code skips the 32-bit runs; the 64-bit
# loader starts on every x86-64 host, so its runs never skip.
set_tests_properties(${kaki}.wine PROPERTIES TIMEOUT 300 ${lewati})
