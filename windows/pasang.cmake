# The Windows program is what its users download: the C++ runtime linked in, so it needs no
# DLL beside it; no symbols; no link time stamp, so that every build of the same sources is
# the same file; its version and manifest as resources; and a ZIP archive that holds it with
# a usage text in Indonesian, made by cpack.
enable_language(RC)
configure_file(${CMAKE_CURRENT_LIST_DIR}/tavirel.rc.in tavirel.rc @ONLY)
target_sources(tavirel PRIVATE ${PROJECT_BINARY_DIR}/tavirel.rc)
# windres reads the manifest through the script, where the build does not see it.
set_source_files_properties(${PROJECT_BINARY_DIR}/tavirel.rc PROPERTIES
                            OBJECT_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/tavirel.manifest)
target_link_options(tavirel PRIVATE -static -s -Wl,--no-insert-timestamp)
# The usage text's title is underlined as long as it is, whatever the version.
string(LENGTH "Tavirel ${PROJECT_VERSION}" panjang_judul)
string(REPEAT "=" ${panjang_judul} garis_judul)
configure_file(${CMAKE_CURRENT_LIST_DIR}/PETUNJUK.txt PETUNJUK.txt @ONLY NEWLINE_STYLE CRLF)

# Both files go to the top of the archive.
install(FILES $<TARGET_FILE:tavirel> ${PROJECT_BINARY_DIR}/PETUNJUK.txt DESTINATION .)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME tavirel-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
