"""Checks tavirel.exe as Windows users get it, against what the README promises: a 32-bit
console program that imports no function missing from Windows XP SP3 (the list IMPORTS, of
functions someone has confirmed there); no symbols and no debug sections; the project's
version, in Indonesian, in both the numeric and the text fields; a manifest that asks for no
more rights than its user has and names every Windows from Vista to 11; and a usage text
whose lines end in CR LF, as Notepad wants them.

    berkas_windows.py EXE VERSION OBJDUMP WINDRES USAGE-TEXT IMPORTS
"""

import re
import subprocess
import sys
from pathlib import Path

SISTEM = {"Vista": "e2011457-1546-43c5-a5fe-008deee3d3f0", "7": "35138b9a-5d96-4fbd-8e2d-a2440225f93a",
          "8": "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38", "8.1": "1f676c76-80e1-4239-95bb-83d0f6d0da78",
          "10 and 11": "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}


def teks(*perintah) -> str:
    return subprocess.run(perintah, check=True, capture_output=True, text=True).stdout


def impor(header: str) -> set[str]:
    """Every function imported, as DLL:function."""
    return {f"{dll}:{fungsi}" for dll, daftar in re.findall(r"DLL Name: (\S+)\n(.*?)\n\n", header, re.S)
            for fungsi in re.findall(r"^\s+[0-9a-f]+\s+\d+\s+(\S+)$", daftar, re.M)}


def diizinkan(jalur: Path) -> set[str]:
    """The functions of the list IMPORTS, whose lines are 'DLL: function...'."""
    baris = (b.partition(":") for b in jalur.read_text().splitlines() if b and not b.startswith("#"))
    return {f"{dll}:{fungsi}" for dll, _, daftar in baris for fungsi in daftar.split()}


def main() -> int:
    exe, versi, objdump, windres, petunjuk, daftar_impor = sys.argv[1:]
    header, sumber_daya = teks(objdump, "-p", exe), teks(windres, "-i", exe, "-O", "rc")
    angka_versi = ", ".join(versi.split(".") + ["0"])
    blok, bahasa, halaman_kode = (re.search(pola, sumber_daya).group(1) for pola in (
        r'BLOCK "(\w{8})"', r'"Translation", (0x\w+)', r'"Translation", 0x\w+, (\d+)'))
    baru = impor(header) - diizinkan(Path(daftar_impor))
    teks_petunjuk = Path(petunjuk).read_bytes()
    sifat = {
        "is a 32-bit Windows console program": "file format pei-i386" in header and "(Windows CUI)" in header,
        f"imports only functions listed in {daftar_impor}, not {sorted(baru)}": impor(header) and not baru,
        "holds no symbols": "no symbols" in teks(objdump, "-t", exe) and "debug" not in teks(objdump, "-h", exe),
        f"is version {versi} in Indonesian": "LANGUAGE 33, 1" in sumber_daya and bahasa == "0x421" and all(
            tanda in sumber_daya for tanda in (f"FILEVERSION {angka_versi}\n", f"PRODUCTVERSION {angka_versi}\n",
                                               f'"FileVersion", "{versi}"', f'"ProductVersion", "{versi}"')),
        "has the language of its version text in its translation":
            blok == f"{int(bahasa, 16):04X}{int(halaman_kode):04X}",
        "runs as its invoker": 'level=""asInvoker"" uiAccess=""false""' in sumber_daya,
        f"names Windows {', '.join(SISTEM)}": all(f'Id=""{{{guid}}}""' in sumber_daya for guid in SISTEM.values()),
        "comes with a text in CR LF lines": 0 < teks_petunjuk.count(b"\n") == teks_petunjuk.count(b"\r\n"),
    }
    gagal = [f"tavirel.exe should be so but is not: it {nama}" for nama, benar in sifat.items() if not benar]
    print("\n".join(gagal))
    return 1 if gagal else 0


if __name__ == "__main__":
    sys.exit(main())
