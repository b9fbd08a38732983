# Read by cpack for each package it makes.

# Every file in a package takes the time of the last commit, so that every build of a
# commit, in any folder, packs the same bytes. A SOURCE_DATE_EPOCH given by the caller stands.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_CURRENT_LIST_DIR}
                  OUTPUT_VARIABLE waktu_commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(waktu_commit)
    set(ENV{SOURCE_DATE_EPOCH} ${waktu_commit})
  endif()
endif()

# A Debian package also holds the files that Debian asks of every package, which are
# installed by no other way.
if(CPACK_GENERATOR STREQUAL "DEB")
  list(GET CPACK_INSTALL_CMAKE_PROJECTS 0 folder_build)
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${folder_build} tavirel debian /)
endif()
