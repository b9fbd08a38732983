#!/usr/bin/env bash
# Checks the files that users get, as the README and the platforms they are for ask, and names
# every promise that is not kept.
#
# berkas.sh paket CMAKE BUILD OTHER-BUILD VERSION README
#     The packages of BUILD have the same bytes as those of OTHER-BUILD; lintian finds nothing
#     to warn of in the Debian package; and the top entry of its changelog is the version. The
#     build installs as the README says into ~/.local of a new home that already has empty bin/
#     and share/man/man1/ folders and a file of the user's in share/doc/tavirel/, with a manual
#     page that mandoc finds no fault in and that names the version; the README's way to
#     uninstall leaves the prefix as it was before, then, once the user's file is gone, takes
#     the doc folder too.
# berkas.sh windows EXE OBJDUMP WINDRES USAGE-TEXT ZIP IMPORTS
#     tavirel.exe is a 32-bit console program that imports only functions of the list IMPORTS,
#     confirmed on Windows XP SP3; holds no symbols and no link time; names Indonesian as the
#     language of its text, in its resource, its text block and its translation alike; holds a
#     well-formed manifest that runs it as its invoker; its usage text has CR LF lines; and the
#     archive ZIP holds the two.
set -uo pipefail
jenis=$1
shift
sementara=$(mktemp -d)
trap 'rm -rf "$sementara"' EXIT
salah=0

# harus PROMISE COMMAND...: the promise is kept where the command succeeds; else it is named,
# with what the command wrote.
harus() {
  keluaran=$("${@:2}" 2>&1) && return
  printf '%s: should be so but is not: it %s\n%s' "$jenis" "$1" "${keluaran:+$keluaran$'\n'}"
  salah=1
}

# The folders and files below the folder, on one line.
isi_folder() { (cd "$1" && find . | sort | paste -sd ' '); }

paket() {
  local prefix=$sementara/.local hapus sebelum
  local catatan=$prefix/share/doc/tavirel/catatan halaman=$prefix/share/man/man1/tavirel.1.gz
  harus "makes the same tar.gz as $3" cmp "$2"/tavirel-"$4"-*.tar.gz "$3"/tavirel-"$4"-*.tar.gz
  harus "makes the same .deb as $3" cmp "$2"/tavirel_"$4"_*.deb "$3"/tavirel_"$4"_*.deb
  harus "gives lintian nothing to warn of" lintian --fail-on error,warning "$2"/tavirel_"$4"_*.deb
  harus "begins the changelog with $4" grep -q "^tavirel ($4) " <(zcat "$2/changelog.gz" | head -n1)
  mkdir -p "$prefix/bin" "$prefix/share/man/man1" "${catatan%/*}"
  echo "a file of the user's" >"$catatan"
  sebelum=$(isi_folder "$prefix")
  "$1" --install "$2" --prefix "$prefix" >/dev/null || exit 1
  harus "has a manual page that mandoc finds no fault in" mandoc -Tlint "$halaman"
  harus "names version $4 in the manual page" zgrep -q "^\.TH .*\"tavirel $4\"" "$halaman"
  hapus=$(sed -n 's/^    \((cd .* rm .*)\)$/\1/p' "$5")
  HOME=$sementara sh -c "$hapus" 2>/dev/null
  harus "leaves the prefix as it was after \`$hapus\`" test "$(isi_folder "$prefix")" = "$sebelum"
  rm "$catatan"
  "$1" --install "$2" --prefix "$prefix" >/dev/null && HOME=$sementara sh -c "$hapus"
  harus "takes its doc folder once it is empty" \
    test "$(isi_folder "$prefix")" = ". ./bin ./share ./share/doc ./share/man ./share/man/man1"
}

windows() {
  local kepala=$sementara/kepala rc=$sementara/rc manifest=$sementara/manifest asing
  TZ=UTC "$2" -p -t "$1" >"$kepala" && "$3" -i "$1" -O rc >"$rc" || exit 1
  harus "is a 32-bit Windows console program" grep -q -z 'pei-i386.*(Windows CUI)' "$kepala"
  harus "holds no symbols" grep -q 'no symbols' "$kepala"
  harus "holds no link time" grep -q $'Time/Date\t\tThu Jan  1 00:00:00 1970' "$kepala"
  # The functions imported, and those of the XP list, as "DLL: function".
  awk '/DLL Name:/ {dll = $3} /^$/ {dll = ""} dll && $2 ~ /^[0-9]+$/ {print dll ": " $3}' \
    "$kepala" | sort -u >"$sementara/impor"
  awk '/^[^#]/ {for (i = 2; i <= NF; i++) print $1, $i}' "$6" | sort -u >"$sementara/xp"
  asing=$(comm -23 "$sementara/impor" "$sementara/xp")
  harus "imports only what XP has, not: $asing" test -s "$sementara/impor" -a -z "$asing"
  # Indonesian (Indonesia), 0x0421: the language of the resource, its text block and translation.
  harus "names Indonesian as its language in all three places" test "$(grep -c -x -E \
    'LANGUAGE 33, 1|    BLOCK "042104E4"|    VALUE "Translation", 0x421, 1252' "$rc")" = 3
  # The manifest in the program: the strings of its resource, unquoted.
  sed -n '/RT_MANIFEST/,/^END/ s/^  "\(.*\)\\n"$/\1/p' "$rc" | sed 's/""/"/g' >"$manifest"
  harus "holds a well-formed manifest" python3 -c 'import sys, xml.dom.minidom as x
x.parse(sys.stdin)' <"$manifest"
  harus "runs as its invoker" grep -q 'requestedExecutionLevel level="asInvoker"' "$manifest"
  harus "comes with a text in CR LF lines" test -z "$(grep -v $'\r$' "$4")"
  harus "is packed with its usage text alone" \
    test "$(cmake -E tar tf "$5" | sort | paste -sd ' ')" = "PETUNJUK.txt tavirel.exe"
}

"$jenis" "$@"
exit "$salah"
