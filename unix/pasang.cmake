# On Linux and macOS the program is installed as any Unix program is: the program, its
# manual page and the README where GNUInstallDirs puts them. cpack packs the same files as
# a tar.gz archive and, on Linux, as a Debian package.
include(GNUInstallDirs)
# The manual page is dated by SOURCE_DATE_EPOCH, the time of the sources, where it is set.
string(TIMESTAMP tanggal_sumber "%Y-%m-%d" UTC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavirel.1.in tavirel.1 @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog changelog COPYONLY)
# Compressed as Debian wants them, with no name or time stamp inside.
find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT tavirel.1.gz changelog.gz
                   COMMAND ${GZIP} -9nkf tavirel.1 changelog DEPENDS tavirel.1 changelog)
add_custom_target(dokumen ALL DEPENDS tavirel.1.gz changelog.gz)

install(TARGETS tavirel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_BINARY_DIR}/tavirel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
# Only the Debian package has these (see cmake/paket.cmake).
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR} COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR TGZ)
if(CMAKE_SYSTEM_NAME STREQUAL Linux)
  list(APPEND CPACK_GENERATOR DEB)
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Tavirel maintainers <maintainers@users.noreply.c-seed-1868e75d.example>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "convert whole numbers between decimal, binary, octal and hexadecimal
An interactive console program, all of its text in Indonesian: pick one of
four conversions from a lettered menu, type one number, and read it in the
three other bases.

Program konsol interaktif untuk mengubah bilangan bulat antara desimal,
biner, oktal dan heksadesimal: pilih salah satu dari empat konversi di menu,
ketik satu bilangan, lalu baca bilangan itu dalam tiga basis lainnya.")
