# Cross build for Windows consoles with mingw-w64, for the processor that the including
# toolchain file names. A compiler named with -DCMAKE_CXX_COMPILER is used as it is;
# otherwise the first of the usual names found on the path: Debian's
# PROCESSOR-w64-mingw32-g++-win32, then PROCESSOR-w64-mingw32-g++.
set(CMAKE_SYSTEM_NAME Windows)
if(NOT CMAKE_CXX_COMPILER)
  set(awalan ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
  find_program(CMAKE_CXX_COMPILER NAMES ${awalan}-g++-win32 ${awalan}-g++ REQUIRED)
endif()

# The resource compiler of the same toolchain: its name with windres for g++, looked for
# first beside the compiler.
if(NOT CMAKE_RC_COMPILER)
  get_filename_component(folder_kompilator ${CMAKE_CXX_COMPILER} DIRECTORY)
  get_filename_component(nama_kompilator ${CMAKE_CXX_COMPILER} NAME)
  string(REGEX REPLACE "(clang\\+\\+|[gc]\\+\\+).*$" "windres" nama_windres ${nama_kompilator})
  find_program(CMAKE_RC_COMPILER ${nama_windres} HINTS ${folder_kompilator} REQUIRED)
endif()
