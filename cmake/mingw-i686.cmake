# Cross build for 32-bit Windows consoles with mingw-w64. A compiler named with
# -DCMAKE_CXX_COMPILER is used as it is; otherwise the first of the usual names found on
# the path: Debian's i686-w64-mingw32-g++-win32, then i686-w64-mingw32-g++.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
if(NOT CMAKE_CXX_COMPILER)
  find_program(CMAKE_CXX_COMPILER NAMES i686-w64-mingw32-g++-win32 i686-w64-mingw32-g++ REQUIRED)
endif()

# The resource compiler of the same toolchain: its name with windres for g++, looked for
# first beside the compiler.
if(NOT CMAKE_RC_COMPILER)
  get_filename_component(folder_kompilator ${CMAKE_CXX_COMPILER} DIRECTORY)
  get_filename_component(nama_kompilator ${CMAKE_CXX_COMPILER} NAME)
  string(REGEX REPLACE "(clang\\+\\+|[gc]\\+\\+).*$" "windres" nama_windres ${nama_kompilator})
  find_program(CMAKE_RC_COMPILER ${nama_windres} HINTS ${folder_kompilator} REQUIRED)
endif()
