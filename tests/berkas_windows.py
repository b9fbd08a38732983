"""Checks tavirel.exe as Windows users get it: it imports from no DLL but KERNEL32.dll and
msvcrt.dll, which every Windows from XP SP3 on has; it holds no symbols and no debug
sections; it carries the project's version, in Indonesian, and a manifest that asks for no
more rights than its user has; a second build of its sources in another folder gives the
same bytes; and cpack puts it in tavirel-VERSION-win32.zip beside a usage text whose lines
end in CR LF, as Notepad wants them.

    berkas_windows.py EXE VERSION OBJDUMP WINDRES -- CONFIGURE-COMMAND... -B FOLDER

The configure command, run by the CMake that builds and packs, makes the folder of the
second build.
"""

import re
import subprocess
import sys
import zipfile
from pathlib import Path


def teks(*perintah) -> str:
    return subprocess.run(perintah, check=True, capture_output=True, text=True).stdout


def main() -> int:
    exe, versi, objdump, windres, _, *konfigurasi = sys.argv[1:]
    ulang = Path(konfigurasi[-1])
    cmake = Path(konfigurasi[0])
    for perintah in (konfigurasi, [cmake, "--build", ulang, "--target", "tavirel"],
                     [cmake.with_name("cpack"), "--config", ulang / "CPackConfig.cmake", "-B", ulang]):
        teks(*perintah)
    with zipfile.ZipFile(ulang / f"tavirel-{versi}-win32.zip") as arsip:
        isi = {nama: arsip.read(nama) for nama in arsip.namelist()}
    petunjuk, sumber_daya = isi.get("PETUNJUK.txt", b""), teks(windres, "-i", exe, "-O", "rc")
    sifat = {
        "imports only KERNEL32.dll and msvcrt.dll":
            sorted(re.findall(r"DLL Name: (\S+)", teks(objdump, "-p", exe))) == ["KERNEL32.dll", "msvcrt.dll"],
        "holds no symbols": "no symbols" in teks(objdump, "-t", exe) and "debug" not in teks(objdump, "-h", exe),
        f"is version {versi} in Indonesian": all(tanda in sumber_daya for tanda in (
            f'"FileVersion", "{versi}"', f'"ProductVersion", "{versi}"', "LANGUAGE 33, 1", "0x421, 1252")),
        "runs as its invoker": 'level=""asInvoker""' in sumber_daya,
        "is the same when built again": isi.get("tavirel.exe") == Path(exe).read_bytes(),
        "is alone with PETUNJUK.txt in its archive": sorted(isi) == ["PETUNJUK.txt", "tavirel.exe"],
        "comes with a text in CR LF lines": 0 < petunjuk.count(b"\n") == petunjuk.count(b"\r\n"),
    }
    gagal = [f"tavirel.exe should be so but is not: it {nama}" for nama, benar in sifat.items() if not benar]
    print("\n".join(gagal))
    return 1 if gagal else 0


if __name__ == "__main__":
    sys.exit(main())
