#!/bin/sh
# wine.sh PREFIX LOADER COMSPEC [--32bit]: prepares the Wine prefix PREFIX for the loader LOADER,
# where "system" runs the stand-in command processor COMSPEC, with a server that stays up for
# the whole leg. With --32bit, on a host that runs no 32-bit code (or with TAVIREL_TANPA_32BIT
# set, to try that path anywhere), it writes why to PREFIX/lewati instead and exits with 77,
# which CTest takes for skipped; the leg's transcripts then skip too.
# wine.sh PREFIX LOADER: stops that server.
export WINEPREFIX="$1" WINELOADER="$2" WINEDLLOVERRIDES="mscoree,mshtml=" # no offer of runtimes
lewati="$1/lewati"
log="$1.log"

# Runs one step with its output in the log, since Wine's services outlive this script and
# must hold none of its streams; a failed step is named, with the end of what it wrote.
langkah() {
  "$@" </dev/null >"$log" 2>&1 && return
  echo "Preparing Wine failed: $*"
  tail -n 20 "$log"
  exit 1
}

wineserver -k </dev/null >/dev/null 2>&1
[ $# -eq 2 ] && exit 0
mkdir -p "$1" && rm -f "$lewati"
if [ "${4-}" = --32bit ]; then
  "$2" --version >/dev/null 2>&1
  # A shell gives 126 for a program whose code the kernel will not run (Exec format error).
  [ $? -eq 126 ] && sebab="this host runs no 32-bit code"
  [ -n "${TAVIREL_TANPA_32BIT-}" ] && sebab="TAVIREL_TANPA_32BIT is set"
fi
if [ -n "${sebab-}" ]; then
  echo "32-bit Windows runs skipped: $sebab" | tee "$lewati"
  exit 77
fi
langkah wineserver -p
langkah "$2" wineboot --init
langkah "$2" reg add 'HKCU\Environment' /v ComSpec /d "$("$2" winepath -w "$3")" /f
