#!/usr/bin/env bash
# Checks the files that users get, as the README and the platforms they are for ask, and names
# every promise that is not kept.
#
# berkas.sh paket BUILD OTHER-BUILD VERSION README
#     The packages of BUILD have the same bytes as those of OTHER-BUILD; lintian finds nothing
#     to warn of in the Debian package; and the top entry of its changelog is the version. The
#     README's own install line, run with BUILD as its build folder, installs into ~/.local of a
#     new home that already has empty bin/ and share/man/man1/ folders and a file of the user's
#     in share/doc/tavirel/, with a manual page that mandoc finds no fault in; the README's
#     uninstall line leaves the prefix as it was before, then, once the user's file is gone,
#     takes the doc folder too.
# berkas.sh windows EXE OBJDUMP WINDRES USAGE-TEXT ZIP IMPORTS
#     tavirel.exe is a 32-bit console program that imports only functions of the list IMPORTS,
#     confirmed on Windows XP SP3; holds no symbols and no link time; holds a well-formed
#     manifest that asks to run as its invoker and nothing more; its usage text has CR LF lines;
#     and the archive ZIP holds the two.
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

# The packages are checked once cpack has made them: where one is missing, the check says what
# to run first.
sudah_dikemas() { ls "${@:2}" >/dev/null 2>&1 || { echo "$jenis: run $1 first." && exit 1; }; }

# The command of the README $2 that begins with the words $1.
perintah_readme() { sed -n "s/^    \($1 .*\)$/\1/p" "$2"; }

# Runs the command in a new home, where build/ is the build folder checked.
di_rumah_baru() { (cd "$sementara" && HOME=$sementara sh -c "$1"); }

paket() {
  local prefix=$sementara/.local sebelum pasang hapus
  local catatan=$prefix/share/doc/tavirel/catatan
  sudah_dikemas "cmake --workflow --preset default, then cpack both with one SOURCE_DATE_EPOCH," \
    "$2"/tavirel_"$3"_*.deb "$1"/tavirel_"$3"_*.deb
  harus "makes the same tar.gz as $2" cmp "$1"/tavirel-"$3"-*.tar.gz "$2"/tavirel-"$3"-*.tar.gz
  harus "makes the same .deb as $2" cmp "$1"/tavirel_"$3"_*.deb "$2"/tavirel_"$3"_*.deb
  harus "gives lintian nothing to warn of" lintian --fail-on error,warning "$1"/tavirel_"$3"_*.deb
  harus "begins the changelog with $3" grep -q "^tavirel ($3) " <(zcat "$1/changelog.gz" | head -n1)
  mkdir -p "$prefix/bin" "$prefix/share/man/man1" "${catatan%/*}"
  echo "a file of the user's" >"$catatan"
  sebelum=$(isi_folder "$prefix")
  ln -s "$1" "$sementara/build"
  pasang=$(perintah_readme "cmake --install" "$4") hapus=$(perintah_readme "(cd" "$4")
  di_rumah_baru "$pasang" >/dev/null
  harus "installs a manual page that mandoc finds no fault in" \
    mandoc -Tlint "$prefix/share/man/man1/tavirel.1.gz"
  di_rumah_baru "$hapus" 2>/dev/null
  harus "leaves the prefix as it was after uninstalling" test "$(isi_folder "$prefix")" = "$sebelum"
  rm "$catatan"
  di_rumah_baru "$pasang" >/dev/null && di_rumah_baru "$hapus"
  harus "takes its doc folder once it is empty" \
    test "$(isi_folder "$prefix")" = ". ./bin ./share ./share/doc ./share/man ./share/man/man1"
}

windows() {
  local kepala=$sementara/kepala rc=$sementara/rc asing
  sudah_dikemas "cpack --preset windows" "$5"
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
  # The manifest in the program, the strings of its resource unquoted: Windows starts a program
  # that asks for more than its invoker's rights, or for uiAccess, only in ways users do not.
  sed -n '/RT_MANIFEST/,/^END/ s/^  "\(.*\)\\n"$/\1/p' "$rc" | sed 's/""/"/g' >"$rc.xml"
  harus "asks in a well-formed manifest to run as its invoker, and nothing more" python3 -c '
import sys, xml.dom.minidom as x
e = x.parse(sys.stdin).getElementsByTagName("requestedExecutionLevel")
a = [dict(i.attributes.items()) for i in e]
assert a == [{"level": "asInvoker"}], a' <"$rc.xml"
  harus "comes with a text in CR LF lines" test -z "$(grep -v $'\r$' "$4")"
  harus "is packed with its usage text alone" \
    test "$(cmake -E tar tf "$5" | sort | paste -sd ' ')" = "PETUNJUK.txt tavirel.exe"
}

"$jenis" "$@"
exit "$salah"
