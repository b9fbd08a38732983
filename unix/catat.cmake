# Run at the end of every install: an install into a prefix keeps the list of the files it put
# there in the build folder, under the prefix's name, for hapus.cmake. A package's staging, in
# the build folder or under DESTDIR, is no prefix of the user's and keeps none.
file(REAL_PATH "${CMAKE_INSTALL_PREFIX}" prefix)
string(FIND "${prefix}/" "${folder_build}/" di_build)
if("$ENV{DESTDIR}" STREQUAL "" AND NOT di_build EQUAL 0)
  string(MAKE_C_IDENTIFIER "${prefix}" nama)
  list(JOIN CMAKE_INSTALL_MANIFEST_FILES "\n" daftar)
  file(WRITE "${folder_build}/terpasang/${nama}.txt" "${CMAKE_INSTALL_PREFIX}\n${daftar}\n")
endif()
