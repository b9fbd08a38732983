#!/bin/sh
# wine.sh PREFIX LOADER COMSPEC PROGRAM RUNNER...: prepares the Wine prefix PREFIX for the loader
# LOADER, where "system" runs the stand-in command processor COMSPEC, and runs there with RUNNER
# the transcripts whose header says "windows: ya", those that can catch what is Windows' own in
# the Windows program PROGRAM: the command processor, line ends, the C runtime's reading and
# writing. Where the host cannot run the loader's code, it says so and exits with 77, which CTest
# shows as a skip for the 32-bit loader.

# Wine starts here, and its server and every program it starts inherit address randomisation
# off: Debian's 64-bit loader is linked at 0x7d000000 with no preloader, and a kernel that puts
# a program's heap anywhere in the GiB above it now and then puts it where Wine must map its
# shared user data at 0x7ffe0000, and Wine dies at start.
[ -z "${TAVIREL_TANPA_ACAK-}" ] && TAVIREL_TANPA_ACAK=1 exec setarch "$(uname -m)" -R "$0" "$@"
export WINEPREFIX="$1" WINELOADER="$2" WINEDLLOVERRIDES="mscoree,mshtml=" # no offer of runtimes
pemuat=$2 saksi=$3 program=$4 log="$1.log"
shift 4

# A kernel that runs no 32-bit code cannot start the 32-bit loader: Exec format error, which a
# shell reports as 126.
"$pemuat" --version >/dev/null 2>&1
[ $? -eq 126 ] && echo "Skipped: this host runs no 32-bit code, so no 32-bit Wine." && exit 77

# One server serves every run, and goes with this script. Wine's services outlive the steps that
# prepare the prefix, so those write to a log and hold none of this script's streams.
trap 'wineserver -k </dev/null >/dev/null 2>&1' EXIT
mkdir -p "$WINEPREFIX"
{ wineserver -p && "$pemuat" wineboot --init && "$pemuat" reg add 'HKCU\Environment' /v ComSpec \
  /d "$("$pemuat" winepath -w "$saksi")" /f; } </dev/null >"$log" 2>&1 ||
  { echo "Preparing Wine failed:" && tail -n 20 "$log" && exit 1; }
salah=0
for transkrip in $(grep -l -x 'windows: ya' "$(dirname "$0")"/transkrip/*.txt); do
  "$@" "$transkrip" --windows -- "$pemuat" "$program" || salah=1
done
exit "$salah"
