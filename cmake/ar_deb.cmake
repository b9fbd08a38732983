# Run by cpack once it has packed: each member of a Debian package's ar archive carries the
# mode of the file that cpack wrote it from, which the umask of whoever builds decides. Each
# member's mode becomes 0644, as dpkg-deb writes it, through dd, since CMake writes no binary.
set(mode_anggota "${CPACK_TOPLEVEL_DIRECTORY}/mode_anggota")
file(WRITE ${mode_anggota} "100644  ")
foreach(paket IN LISTS CPACK_PACKAGE_FILES)
  if(NOT paket MATCHES "\\.deb$")
    continue()
  endif()
  # After the 8-byte magic, each member is a 60-byte header, whose mode is 8 bytes at 40 and
  # size 10 bytes at 48, then the data, padded to an even length.
  file(SIZE ${paket} ukuran_paket)
  set(kepala 8)
  while(kepala LESS ukuran_paket)
    math(EXPR posisi_ukuran "${kepala} + 48")
    file(READ ${paket} ukuran OFFSET ${posisi_ukuran} LIMIT 10)
    string(STRIP "${ukuran}" ukuran)
    math(EXPR posisi_mode "${kepala} + 40")
    execute_process(COMMAND dd of=${paket} bs=1 seek=${posisi_mode} conv=notrunc status=none
                    INPUT_FILE ${mode_anggota} COMMAND_ERROR_IS_FATAL ANY)
    math(EXPR kepala "${kepala} + 60 + ${ukuran} + ${ukuran} % 2")
  endwhile()
endforeach()
