"""Checks the files that users get, each against what the README promises.

    berkas.py pasang CMAKE BUILD TRANSCRIPT
        Installs the build into a new prefix: exactly the program, its manual page and the
        README land where GNUInstallDirs puts them and in the install manifest; man shows the
        page without a warning; the installed program runs the transcript.
    berkas.py paket BUILD VERSION SYSTEM -- CONFIGURE-COMMAND... -B FOLDER ...
        Packs the build and a second one, made in FOLDER by the configure command: both give
        the same bytes; each package holds what it should; the Debian package passes lintian.
    berkas.py windows EXE OBJDUMP WINDRES USAGE-TEXT IMPORTS
        tavirel.exe is a 32-bit console program that imports only functions of the list
        IMPORTS, confirmed on Windows XP SP3; holds no symbols; names one language for its
        text, in its resource, its text block and its translation alike; has a manifest that
        is well-formed XML and runs it as its invoker; and its usage text has CR LF lines.
"""

import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

DIPASANG = ["bin/tavirel", "share/doc/tavirel/README.md", "share/man/man1/tavirel.1.gz"]
DEBIAN = ["usr/share/doc/tavirel/changelog.gz", "usr/share/doc/tavirel/copyright"]
ASM_V3 = "urn:schemas-microsoft-com:asm.v3"


def teks(*perintah) -> str:
    return subprocess.run(perintah, check=True, capture_output=True, text=True).stdout


def pasang(cmake: str, build: str, transkrip: str) -> dict[str, bool]:
    with tempfile.TemporaryDirectory() as prefix:
        teks(cmake, "--install", build, "--prefix", prefix)
        berkas = sorted(str(p.relative_to(prefix)) for p in Path(prefix).rglob("*") if p.is_file())
        manifes = sorted(
            os.path.relpath(p, prefix)
            for p in Path(build, "install_manifest.txt").read_text().split()
        )
        man = subprocess.run(
            ["man", "--warnings", "-l", f"{prefix}/{DIPASANG[2]}"],
            capture_output=True,
            text=True,
            env=dict(os.environ, MANWIDTH="80"),
        )
        dialog = subprocess.run(
            [
                sys.executable,
                Path(__file__).with_name("transkrip.py"),
                transkrip,
                "--",
                f"{prefix}/{DIPASANG[0]}",
            ],
            capture_output=True,
            text=True,
        )
    return {
        f"installs {DIPASANG}, not {berkas}": berkas == DIPASANG == manifes,
        f"has a manual page that man shows without warnings: {man.stderr}": man.returncode == 0
        and not man.stderr,
        f"runs as installed: {dialog.stdout}": dialog.returncode == 0,
    }


def isi(paket: Path, cmake: Path) -> list[str]:
    """The files a package holds, without the folder that a tar.gz puts them in."""
    if paket.suffix == ".deb":
        return sorted(
            b.split()[-1][2:]
            for b in teks("dpkg-deb", "-c", paket).splitlines()
            if b.startswith("-")
        )
    return sorted(
        re.sub(r"^tavirel-[^/]*-Linux/", "", nama)
        for nama in teks(cmake, "-E", "tar", "tf", paket).split()
        if not nama.endswith("/")
    )


def paket(build: str, versi: str, sistem: str, _, *konfigurasi) -> dict[str, bool]:
    cmake, ulang = Path(konfigurasi[0]), Path(konfigurasi[konfigurasi.index("-B") + 1])
    teks(*konfigurasi)
    teks(cmake, "--build", ulang, "--parallel")
    if sistem == "Windows":
        harapan = {f"tavirel-{versi}-win32.zip": ["PETUNJUK.txt", "tavirel.exe"]}
    else:
        arsitektur = teks("dpkg", "--print-architecture").strip()
        harapan = {
            f"tavirel-{versi}-{sistem}.tar.gz": DIPASANG,
            f"tavirel_{versi}_{arsitektur}.deb": sorted(
                DEBIAN + [f"usr/{nama}" for nama in DIPASANG]
            ),
        }
    for folder in (Path(build), ulang):
        for nama in harapan:
            (folder / nama).unlink(missing_ok=True)
        teks(cmake.with_name("cpack"), "--config", folder / "CPackConfig.cmake", "-B", folder)

    sifat = {}
    for nama, berkas in harapan.items():
        baru, pertama = ulang / nama, Path(build, nama)
        sifat[f"makes {nama} the same in both folders"] = (
            baru.exists() and baru.read_bytes() == pertama.read_bytes()
        )
        sifat[f"puts {berkas} in {nama}"] = baru.exists() and isi(baru, cmake) == berkas
        if nama.endswith(".deb") and baru.exists():
            lintian = subprocess.run(["lintian", baru], capture_output=True, text=True)
            sifat[f"gives lintian nothing to say but information: {lintian.stdout}"] = (
                lintian.returncode == 0
            )
    return sifat


def impor(header: str) -> set[str]:
    """Every function imported, as 'DLL: function'."""
    return {
        f"{dll}: {fungsi}"
        for dll, daftar in re.findall(r"DLL Name: (\S+)\n(.*?)\n\n", header, re.S)
        for fungsi in re.findall(r"^\s+[0-9a-f]+\s+\d+\s+(\S+)$", daftar, re.M)
    }


def manifes(sumber_daya: str) -> ET.Element:
    """The manifest resource, parsed: windres writes it as C strings with doubled quotes."""
    badan = sumber_daya.partition("RT_MANIFEST */\nBEGIN\n")[2].partition("\nEND")[0]
    xml = "".join(re.findall(r'^\s*"(.*)"$', badan, re.M))
    return ET.fromstring(xml.replace('""', '"').replace("\\n", "\n"))


def windows(exe: str, objdump: str, windres: str, petunjuk: str, daftar_impor: str) -> dict:
    header, sumber_daya = teks(objdump, "-p", exe), teks(windres, "-i", exe, "-O", "rc")
    diizinkan = {
        f"{dll}: {fungsi}"
        for baris in Path(daftar_impor).read_text().splitlines()
        if not baris.startswith("#")
        for dll, daftar in [baris.split(": ")]
        for fungsi in daftar.split()
    }
    diimpor = impor(header)
    utama, sub = re.search(r"^LANGUAGE (\d+), (\d+)$", sumber_daya, re.M).groups()
    bahasa = {int(utama) | int(sub) << 10}
    bahasa |= {int(b, 16) for b in re.findall(r'BLOCK "([0-9A-F]{4})04E4"', sumber_daya)}
    bahasa |= {int(b, 16) for b in re.findall(r'"Translation", (0x[0-9a-f]+), 1252', sumber_daya)}
    try:
        tingkat = manifes(sumber_daya).find(f".//{{{ASM_V3}}}requestedExecutionLevel")
    except ET.ParseError:
        tingkat = None
    teks_petunjuk = Path(petunjuk).read_bytes()
    return {
        "is a 32-bit Windows console program": "file format pei-i386" in header
        and "(Windows CUI)" in header,
        f"imports only functions of the XP list, not {sorted(diimpor - diizinkan)}": diizinkan
        >= diimpor
        != set(),
        "holds no symbols": "no symbols" in teks(objdump, "-t", exe)
        and "debug" not in teks(objdump, "-h", exe),
        f"names one language in code page 1252 for its text, not {bahasa}": len(bahasa) == 1,
        "has a well-formed manifest that runs it as its invoker": tingkat is not None
        and tingkat.get("level") == "asInvoker",
        "comes with a text in CR LF lines": 0
        < teks_petunjuk.count(b"\n")
        == teks_petunjuk.count(b"\r\n"),
    }


def main() -> None:
    periksa = {"pasang": pasang, "paket": paket, "windows": windows}[sys.argv[1]]
    sys.exit(
        "\n".join(
            f"{sys.argv[1]}: should be so but is not: it {nama}"
            for nama, benar in periksa(*sys.argv[2:]).items()
            if not benar
        )
        or None
    )


if __name__ == "__main__":
    main()
