# Read by cpack for each package it makes: a Debian package also holds the files that Debian
# asks of every package, which are installed by no other way.
if(CPACK_GENERATOR STREQUAL "DEB")
  list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 folder_build)
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${folder_build} tavirel debian /)
endif()
