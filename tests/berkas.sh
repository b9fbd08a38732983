#!/usr/bin/env bash
# Checks the files that users get, each against what the README promises, and names every
# promise that is not kept.
#
# berkas.sh pasang CMAKE BUILD VERSION README -- TRANSCRIPT-COMMAND...
#     Installs the build as the README says, into ~/.local of a new home that already has empty
#     bin/ and share/man/man1/ folders and a file of the user's in share/doc/tavirel/: mandoc
#     finds no fault in the manual page, which names the version; the installed program runs
#     the transcript command; and the README's way to uninstall leaves the shell where it was
#     and the prefix as it was before the install, then, once the user's file is gone, takes
#     the doc folder too.
# berkas.sh paket BUILD OTHER-BUILD VERSION
#     The packages of BUILD have the same bytes as those of OTHER-BUILD; each holds the program,
#     its manual page and the README, and the Debian package also Debian's copyright file and
#     changelog, whose top entry is the version; and lintian finds nothing to warn of.
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
dipasang=$'bin/tavirel\nshare/doc/tavirel/README.md\nshare/man/man1/tavirel.1.gz'
salah=0

# harus PROMISE COMMAND...: the promise is kept where the command succeeds; else it is named,
# with what the command wrote.
harus() {
  local keluaran
  keluaran=$("${@:2}" 2>&1) && return
  printf '%s: should be so but is not: it %s\n%s' "$jenis" "$1" "${keluaran:+$keluaran$'\n'}"
  salah=1
}

# The folders and files below the folder, on one line.
isi_folder() { (cd "$1" && find . | sort | paste -sd ' '); }

pasang() {
  local prefix=$sementara/.local hapus sebelum tempat
  local halaman=$prefix/share/man/man1/tavirel.1.gz catatan=$prefix/share/doc/tavirel/catatan
  hapus=$(sed -n 's/^    \((cd .* rm .*)\)$/\1/p' "$4")
  mkdir -p "$prefix/bin" "$prefix/share/man/man1" "${catatan%/*}"
  echo "a file of the user's" >"$catatan"
  sebelum=$(isi_folder "$prefix")
  "$1" --install "$2" --prefix "$prefix" >/dev/null || exit 1
  harus "has a manual page that mandoc finds no fault in" mandoc -Tlint "$halaman"
  harus "names version $3 in the manual page" zgrep -q "^\.TH .*\"tavirel $3\"" "$halaman"
  harus "runs as installed" "${@:6}" "$prefix/bin/tavirel"
  tempat=$(cd "$sementara" && HOME=$sementara sh -c "$hapus; pwd" 2>/dev/null)
  harus "leaves the shell where it was after \`$hapus\`" test "$tempat" = "$sementara"
  harus "leaves the prefix as it was before the install" test "$(isi_folder "$prefix")" = "$sebelum"
  rm "$catatan"
  "$1" --install "$2" --prefix "$prefix" >/dev/null && HOME=$sementara sh -c "$hapus"
  harus "takes its doc folder once it is empty" \
    test "$(isi_folder "$prefix")" = ". ./bin ./share ./share/doc ./share/man ./share/man/man1"
}

# The files in the tar archive on standard input, as paths under the prefix, one a line, sorted.
isi_arsip() { sed -n -E 's|^[^/]*/(usr/)?(.*[^/])$|\2|p' | sort; }

paket() {
  local tgz=tavirel-$3-Linux.tar.gz deb
  local debian=$'\nshare/doc/tavirel/changelog.gz\nshare/doc/tavirel/copyright'
  deb=tavirel_$3_$(dpkg --print-architecture).deb
  for nama in "$tgz" "$deb"; do harus "makes $nama the same in $2" cmp "$1/$nama" "$2/$nama"; done
  harus "puts the three files in $tgz" test "$(tar -tzf "$1/$tgz" | isi_arsip)" = "$dipasang"
  harus "puts them and Debian's two in $deb" test "$(dpkg-deb --fsys-tarfile "$1/$deb" |
    tar -t | isi_arsip)" = "$(sort <<<"$dipasang$debian")"
  harus "gives lintian nothing to warn of" lintian --fail-on error,warning "$1/$deb"
  harus "begins the changelog with $3" \
    test "$(zcat "$1/changelog.gz" | head -n1 | cut -d' ' -f1-2)" = "tavirel ($3)"
}

windows() {
  local kepala=$sementara/kepala sumber_daya=$sementara/sumber_daya asing
  TZ=UTC "$2" -p "$1" >"$kepala" && "$3" -i "$1" -O rc >"$sumber_daya" || exit 1
  harus "is a 32-bit Windows console program" \
    grep -q -z 'file format pei-i386.*(Windows CUI)' "$kepala"
  # The functions imported, and those of the XP list, as "DLL: function".
  awk '/DLL Name:/ {dll = $3} /^$/ {dll = ""} dll && $2 ~ /^[0-9]+$/ {print dll ": " $3}' \
    "$kepala" | sort -u >"$sementara/impor"
  awk '/^[^#]/ {for (i = 2; i <= NF; i++) print $1, $i}' "$6" | sort -u >"$sementara/xp"
  asing=$(comm -23 "$sementara/impor" "$sementara/xp")
  harus "imports only functions of the XP list, not: $asing" \
    test -s "$sementara/impor" -a -z "$asing"
  harus "holds no symbols" grep -q 'no symbols' <("$2" -t "$1")
  harus "holds no link time" grep -q $'Time/Date\t\tThu Jan  1 00:00:00 1970' "$kepala"
  # Indonesian (Indonesia), 0x0421: the language of the resource, its text block and translation.
  harus "names Indonesian as its language in all three places" test "$(grep -c -x -E \
    'LANGUAGE 33, 1|    BLOCK "042104E4"|    VALUE "Translation", 0x421, 1252' "$sumber_daya")" = 3
  # The manifest in the program: the strings of its resource, unquoted.
  sed -n '/RT_MANIFEST/,/^END/ s/^  "\(.*\)\\n"$/\1/p' "$sumber_daya" | sed 's/""/"/g' \
    >"$sementara/manifest"
  harus "holds a well-formed manifest that runs it as its invoker" python3 -c 'import sys
from xml.dom.minidom import parse
tingkat = parse(sys.argv[1]).getElementsByTagName("requestedExecutionLevel")[0]
sys.exit(tingkat.getAttribute("level") != "asInvoker")' "$sementara/manifest"
  harus "comes with a text in CR LF lines" test -z "$(grep -v $'\r$' "$4")"
  harus "is packed with its usage text alone" \
    test "$(cmake -E tar tf "$5" | sort | paste -sd ' ')" = "PETUNJUK.txt tavirel.exe"
}

"$jenis" "$@"
exit "$salah"
