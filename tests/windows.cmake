# The Windows build runs under Wine, in prefixes of its own that a fixture prepares
# and that keep one server running for the whole suite.
# Without Wine the program is still built; the suite then has no tests, which the test
# preset reports as an error.
find_program(WINE wine)
find_program(WINESERVER wineserver)
find_program(WINEBOOT wineboot)
if(NOT WINE OR NOT WINESERVER OR NOT WINEBOOT)
  message(WARNING "Wine is missing: tavirel.exe is built but cannot be tested here.")
  return()
endif()

set(prefix_biasa ${CMAKE_CURRENT_BINARY_DIR}/wine-biasa)
set(prefix_saksi ${CMAKE_CURRENT_BINARY_DIR}/wine-saksi)
add_executable(saksi_perintah saksi_perintah.cpp)
target_link_libraries(saksi_perintah PRIVATE peringatan)

add_test(NAME windows.siapkan_wine
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/wine.py siapkan ${prefix_biasa})
add_test(NAME windows.siapkan_wine_saksi
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/wine.py siapkan ${prefix_saksi}
          $<TARGET_FILE:saksi_perintah>)
add_test(NAME windows.hentikan_wine
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/wine.py hentikan ${prefix_biasa})
add_test(NAME windows.hentikan_wine_saksi
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_SOURCE_DIR}/wine.py hentikan ${prefix_saksi})
set_tests_properties(windows.siapkan_wine PROPERTIES FIXTURES_SETUP wine_biasa)
set_tests_properties(windows.hentikan_wine PROPERTIES FIXTURES_CLEANUP wine_biasa)
set_tests_properties(windows.siapkan_wine_saksi PROPERTIES FIXTURES_SETUP wine_saksi)
set_tests_properties(windows.hentikan_wine_saksi PROPERTIES FIXTURES_CLEANUP wine_saksi)

# With the real command processor "cls" leaves nothing in a pipe.
tambah_transkrip(windows.transkrip --windows -- ${WINE} $<TARGET_FILE:tavirel>)
set_tests_properties(${tes_transkrip} PROPERTIES
  FIXTURES_REQUIRED wine_biasa ENVIRONMENT "WINEPREFIX=${prefix_biasa};WINEDEBUG=-all")
# With a stand-in for it, the output shows that "cls" is run, and where.
tambah_transkrip(windows.cls --windows --jejak-cls "[/c cls]" -- ${WINE} $<TARGET_FILE:tavirel>)
set_tests_properties(${tes_transkrip} PROPERTIES
  FIXTURES_REQUIRED wine_saksi ENVIRONMENT "WINEPREFIX=${prefix_saksi};WINEDEBUG=-all")
