#!/bin/sh
# wine.sh PREFIX LOADER COMSPEC: prepares the Wine prefix PREFIX for the loader LOADER, where
# "system" runs the stand-in command processor COMSPEC, with a server that stays up for the
# whole leg.
# wine.sh PREFIX LOADER: stops that server.

# Wine starts here, and its server and every program it starts inherit address randomisation
# off: Debian's 64-bit loader is linked at 0x7d000000 with no preloader, and a kernel that puts
# a program's heap anywhere in the GiB above it now and then puts it where Wine must map its
# shared user data at 0x7ffe0000, and Wine dies at start.
[ -z "${TAVIREL_TANPA_ACAK-}" ] && TAVIREL_TANPA_ACAK=1 exec setarch "$(uname -m)" -R "$0" "$@"
export WINEPREFIX="$1" WINELOADER="$2" WINEDLLOVERRIDES="mscoree,mshtml=" # no offer of runtimes
log="$1.log"

# Runs one step with its output in the log, since Wine's services outlive this script and
# must hold none of its streams; a failed step is named, with the end of what it wrote.
langkah() {
  "$@" </dev/null >"$log" 2>&1 && return
  echo "Preparing Wine failed: $*" && tail -n 20 "$log" && exit 1
}

wineserver -k </dev/null >/dev/null 2>&1
[ $# -eq 2 ] && exit 0
mkdir -p "$1"
langkah wineserver -p
langkah "$2" wineboot --init
langkah "$2" reg add 'HKCU\Environment' /v ComSpec /d "$("$2" winepath -w "$3")" /f
