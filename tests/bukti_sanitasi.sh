#!/bin/sh
# bukti_sanitasi.sh PROGRAM LIBRARY: fails unless the sanitizer leg is what it says it is:
# the program's own cells watched by AddressSanitizer, the conversions of LIBRARY checked by
# UndefinedBehaviorSanitizer, and libc++ as the C++ library.
gagal() { echo "$1" >&2; exit 1; }
ASAN_OPTIONS=report_globals=2 "$1" </dev/null 2>&1 >/dev/null | grep -q 'name=teks_heksa' ||
  gagal "the program is not built with AddressSanitizer"
nm -u "$2" | grep -q '__ubsan_handle_' || gagal "the conversions are not built with UndefinedBehaviorSanitizer"
readelf -d "$1" | grep -q 'libc++\.so' || gagal "the program is not linked with libc++"
