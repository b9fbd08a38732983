"""Packs the build in its own folder and in a second one, made by the configure command
given, and checks that both give the same bytes, as cpack stamps every file with the time of
the last commit; what each package holds; and, for the Debian package, its control fields and
that lintian finds no error in it.

    paket.py BUILD VERSION SYSTEM -- CONFIGURE-COMMAND... -B FOLDER ...

The configure command is run by the CMake that builds and packs.
"""

import subprocess
import sys
import tarfile
import zipfile
from pathlib import Path

UNIX = ["bin/tavirel", "share/doc/tavirel/README.md", "share/man/man1/tavirel.1.gz"]
DEBIAN = ["usr/share/doc/tavirel/changelog.gz", "usr/share/doc/tavirel/copyright"]
KONTROL = ["Package: tavirel\n", "Section: utils\n", "Maintainer: Tavirel maintainers <", "libc6 (", "libstdc++6 (",
           "whole numbers", "bilangan bulat"]


def jalankan(*perintah) -> subprocess.CompletedProcess:
    return subprocess.run(perintah, check=True, capture_output=True, text=True)


def isi(paket: Path) -> list[str]:
    if paket.suffix == ".zip":
        return sorted(zipfile.ZipFile(paket).namelist())
    if paket.suffix == ".deb":
        return sorted(baris.split()[-1][2:] for baris in jalankan("dpkg-deb", "-c", paket).stdout.splitlines()
                      if baris.startswith("-"))
    with tarfile.open(paket) as arsip:
        return sorted(anggota.name.split("/", 1)[1] for anggota in arsip if anggota.isfile())


def harapan(versi: str, sistem: str) -> dict[str, list[str]]:
    """The packages cpack makes on the system, each with the files it holds."""
    if sistem == "Windows":
        return {f"tavirel-{versi}-win32.zip": ["PETUNJUK.txt", "tavirel.exe"]}
    arsitektur = jalankan("dpkg", "--print-architecture").stdout.strip()
    return {f"tavirel-{versi}-{sistem}.tar.gz": UNIX,
            f"tavirel_{versi}_{arsitektur}.deb": sorted(DEBIAN + [f"usr/{nama}" for nama in UNIX])}


def main() -> int:
    build, versi, sistem, _, *konfigurasi = sys.argv[1:]
    cmake, ulang = Path(konfigurasi[0]), Path(konfigurasi[konfigurasi.index("-B") + 1])
    jalankan(*konfigurasi)
    jalankan(cmake, "--build", ulang, "--parallel")
    semua_paket = harapan(versi, sistem)
    for folder in (Path(build), ulang):
        for nama in semua_paket:
            (folder / nama).unlink(missing_ok=True)
        jalankan(cmake.with_name("cpack"), "--config", folder / "CPackConfig.cmake", "-B", folder)

    sifat = {}
    for nama, berkas in semua_paket.items():
        paket, pertama = ulang / nama, Path(build) / nama
        if not (paket.exists() and pertama.exists()):
            sifat[f"{nama} is made"] = False
            continue
        sifat[f"{nama} is the same from both folders"] = paket.read_bytes() == pertama.read_bytes()
        sifat[f"{nama} holds {berkas}, not {isi(paket)}"] = isi(paket) == berkas
        if paket.suffix == ".deb":
            kontrol = jalankan("dpkg-deb", "-f", paket).stdout
            sifat[f"{paket.name} has control fields with {KONTROL}"] = all(tanda in kontrol for tanda in KONTROL)
            lintian = subprocess.run(["lintian", paket], capture_output=True, text=True)
            sifat[f"{paket.name} passes lintian: {lintian.stdout}"] = lintian.returncode == 0
    gagal = [f"the packages should be so but are not: {nama}" for nama, benar in sifat.items() if not benar]
    print("\n".join(gagal))
    return 1 if gagal else 0


if __name__ == "__main__":
    sys.exit(main())
