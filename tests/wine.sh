#!/bin/sh
# wine.sh PREFIX COMSPEC: prepares the Wine prefix PREFIX, where "system" runs the stand-in
# command processor COMSPEC, with a server that stays up for the whole suite.
# wine.sh PREFIX: stops that server.
# Wine's services outlive this script, so they get none of its streams.
exec </dev/null >/dev/null 2>&1
export WINEPREFIX="$1" WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to download runtimes
wineserver -k
[ $# -eq 1 ] && exit 0
mkdir -p "$WINEPREFIX" && wineserver -p && wineboot --init &&
  wine reg add 'HKCU\Environment' /v ComSpec /d "$(winepath -w "$2")" /f
