#!/bin/sh
# wine.sh COMSPEC: prepares the Wine prefix WINEPREFIX for the loader WINELOADER, where "system"
# runs the stand-in command processor COMSPEC, and leaves Wine's server running there for the
# transcripts, until `wineserver -k` stops it.

# Wine starts here, and its server and every program it starts inherit address randomisation
# off: Debian's 64-bit loader is linked at 0x7d000000 with no preloader, and a kernel that puts
# a program's heap anywhere in the GiB above it now and then puts it where Wine must map its
# shared user data at 0x7ffe0000, and Wine dies at start. The transcripts start it so too.
[ -z "${TAVIREL_TANPA_ACAK-}" ] && TAVIREL_TANPA_ACAK=1 exec setarch -R "$0" "$@"
export WINEDLLOVERRIDES="mscoree,mshtml=" # no offer of runtimes
log="$WINEPREFIX.log"

# Wine's server and services outlive this script, so they write to a log and hold none of its
# streams, which CTest waits on. A server left by a run stopped before its end goes first. The C
# runtime hands ComSpec to Windows unquoted, so the stand-in goes where its path holds no space,
# whatever the checkout's path.
mkdir -p "$WINEPREFIX"
{ wineserver -k; wineserver -w; wineserver -p && "$WINELOADER" wineboot --init &&
  cp "$1" "$WINEPREFIX/drive_c/windows/" &&
  "$WINELOADER" reg add 'HKCU\Environment' /v ComSpec /d "C:\\windows\\${1##*/}" /f; } \
  </dev/null >"$log" 2>&1 || { echo "Preparing Wine failed:" && tail -n 20 "$log" && exit 1; }
