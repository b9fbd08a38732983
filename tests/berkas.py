"""Checks the files that users get, each against what the README promises.

    berkas.py pasang CMAKE BUILD VERSION TRANSCRIPT
        Installs the build into a new prefix: exactly the program, its manual page and the
        README land where GNUInstallDirs puts them; mandoc finds no fault in the manual page,
        which names the version; the installed program runs the transcript; and the
        README's way to uninstall leaves the prefix empty.
    berkas.py paket BUILD VERSION SYSTEM -- CONFIGURE-COMMAND... -B FOLDER ...
        Packs the build and a second one, made in FOLDER by the configure command under umask
        077: both give the same bytes; the second build has the first's build type; each
        package holds what it should; the Debian package passes lintian without a warning,
        and its changelog's top entry is the version; in a git checkout, a `git archive` of
        the sources carries the time of their commit.
    berkas.py windows EXE OBJDUMP WINDRES USAGE-TEXT IMPORTS
        tavirel.exe is a 32-bit console program that imports only functions of the list
        IMPORTS, confirmed on Windows XP SP3; holds no symbols; names one language for its
        text, in its resource, its text block and its translation alike; has a manifest that
        is well-formed XML and runs it as its invoker; and its usage text has CR LF lines.
"""

import gzip
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


def jalan(*perintah, umask: int | None = None, **pilihan) -> subprocess.CompletedProcess:
    """Runs a command to its end, with its output as text, under `umask` when one is named."""
    awal = None if umask is None else lambda: os.umask(umask)
    return subprocess.run(perintah, capture_output=True, text=True, preexec_fn=awal, **pilihan)


def teks(*perintah, umask: int | None = None) -> str:
    """The output of a command that must succeed; when it fails, the check ends with why."""
    hasil = jalan(*perintah, umask=umask)
    if hasil.returncode != 0:
        sys.exit(f"{' '.join(map(str, perintah))} failed:\n{hasil.stdout}{hasil.stderr}")
    return hasil.stdout


def berkas_di(folder: str) -> list[str]:
    return sorted(str(p.relative_to(folder)) for p in Path(folder).rglob("*"))


def pasang(cmake: str, build: str, versi: str, transkrip: str) -> dict[str, bool]:
    with tempfile.TemporaryDirectory() as prefix:
        teks(cmake, "--install", build, "--prefix", prefix)
        berkas = [b for b in berkas_di(prefix) if Path(prefix, b).is_file()]
        halaman = f"{prefix}/{DIPASANG[2]}"
        mandoc = jalan("mandoc", "-Tlint", halaman)
        judul = gzip.open(halaman, "rt").read().partition(".TH ")[2].partition("\n")[0]
        runner = Path(__file__).with_name("transkrip.py")
        dialog = jalan(sys.executable, runner, transkrip, "--", f"{prefix}/{DIPASANG[0]}")
        teks(cmake, "-D", f"PREFIX={prefix}", "-P", f"{build}/hapus.cmake")
        sisa = berkas_di(prefix)
    return {
        f"installs {DIPASANG}, not {berkas}": berkas == DIPASANG,
        f"has a manual page that mandoc finds no fault in: {mandoc.stdout}": mandoc.returncode == 0,
        f"names version {versi} in the manual page's header: {judul}": f'"tavirel {versi}"'
        in judul,
        f"runs as installed: {dialog.stdout}": dialog.returncode == 0,
        f"uninstalls the README's way, leaving nothing, not {sisa}": sisa == [],
    }


def isi(paket: Path, cmake: Path) -> list[str]:
    """The files a package holds, without the folder that a tar.gz puts them in."""
    if paket.suffix == ".deb":
        daftar = teks("dpkg-deb", "-c", paket).splitlines()
        return sorted(b.split()[-1][2:] for b in daftar if b.startswith("-"))
    daftar = teks(cmake, "-E", "tar", "tf", paket).split()
    return sorted(re.sub(r"^tavirel-[^/]*-Linux/", "", n) for n in daftar if n[-1] != "/")


def jenis_build(folder: Path) -> str:
    cache = (folder / "CMakeCache.txt").read_text()
    return re.search(r"^CMAKE_BUILD_TYPE:\w+=(.*)$", cache, re.M)[1]


def paket(build: str, versi: str, sistem: str, _, *konfigurasi) -> dict[str, bool]:
    cmake, ulang = Path(konfigurasi[0]), Path(konfigurasi[konfigurasi.index("-B") + 1])
    sumber = konfigurasi[konfigurasi.index("-S") + 1]
    teks(*konfigurasi, umask=0o077)
    teks(cmake, "--build", ulang, "--parallel", "2", umask=0o077)
    if sistem == "Windows":
        harapan = {f"tavirel-{versi}-win32.zip": ["PETUNJUK.txt", "tavirel.exe"]}
    else:
        deb = f"tavirel_{versi}_{teks('dpkg', '--print-architecture').strip()}.deb"
        isi_deb = sorted(DEBIAN + [f"usr/{nama}" for nama in DIPASANG])
        harapan = {f"tavirel-{versi}-{sistem}.tar.gz": DIPASANG, deb: isi_deb}
    for folder, umask in ((Path(build), None), (ulang, 0o077)):
        for nama in harapan:
            (folder / nama).unlink(missing_ok=True)
        cpack = cmake.with_name("cpack")
        teks(cpack, "--config", folder / "CPackConfig.cmake", "-B", folder, umask=umask)

    jenis = jenis_build(Path(build))
    sifat = {f"makes the second build {jenis} too": jenis_build(ulang) == jenis}
    for nama, berkas in harapan.items():
        baru, pertama = ulang / nama, Path(build, nama)
        sifat[f"makes {nama} the same in both folders"] = baru.read_bytes() == pertama.read_bytes()
        sifat[f"puts {berkas} in {nama}"] = isi(baru, cmake) == berkas
    if sistem != "Windows":
        lintian = jalan("lintian", "--fail-on", "error,warning", ulang / deb)
        catatan = gzip.open(Path(build, "changelog.gz"), "rt").readline()
        sifat[f"gives lintian nothing to warn of: {lintian.stdout}"] = lintian.returncode == 0
        sifat[f"begins the changelog with {versi}: {catatan}"] = f"tavirel ({versi})" in catatan
    if Path(sumber, ".git").exists():
        waktu = teks("git", "-C", sumber, "log", "-1", "--format=%ct").strip()
        arsip = teks("git", "-C", sumber, "archive", "HEAD", "cmake/waktu.cmake")
        sifat[f"gives a git archive the commit time {waktu}"] = f'"{waktu}"' in arsip
    return sifat


def impor(header: str) -> set[str]:
    """Every function imported, as 'DLL: function'."""
    return {
        f"{dll}: {fungsi}"
        for dll, daftar in re.findall(r"DLL Name: (\S+)\n(.*?)\n\n", header, re.S)
        for fungsi in re.findall(r"^\s+[0-9a-f]+\s+\d+\s+(\S+)$", daftar, re.M)
    }


def diizinkan(daftar_impor: str) -> set[str]:
    """The functions of the XP list, as 'DLL: function'."""
    baris = re.findall(r"^([^#\s]+): (.*)$", Path(daftar_impor).read_text(), re.M)
    return {f"{dll}: {fungsi}" for dll, daftar in baris for fungsi in daftar.split()}


def manifes(sumber_daya: str) -> ET.Element:
    """The manifest resource, parsed: windres writes it as C strings with doubled quotes."""
    badan = sumber_daya.partition("RT_MANIFEST */\nBEGIN\n")[2].partition("\nEND")[0]
    xml = "".join(re.findall(r'^\s*"(.*)"$', badan, re.M))
    return ET.fromstring(xml.replace('""', '"').replace("\\n", "\n"))


def windows(exe: str, objdump: str, windres: str, petunjuk: str, daftar_impor: str) -> dict:
    header, sumber_daya = teks(objdump, "-p", exe), teks(windres, "-i", exe, "-O", "rc")
    konsol_32 = "file format pei-i386" in header and "(Windows CUI)" in header
    asing = impor(header) - diizinkan(daftar_impor)
    polos = "no symbols" in teks(objdump, "-t", exe) and "debug" not in teks(objdump, "-h", exe)
    utama, sub = re.search(r"^LANGUAGE (\d+), (\d+)$", sumber_daya, re.M).groups()
    bahasa = {int(utama) | int(sub) << 10}
    bahasa |= {int(b, 16) for b in re.findall(r'BLOCK "([0-9A-F]{4})04E4"', sumber_daya)}
    bahasa |= {int(b, 16) for b in re.findall(r'"Translation", (0x[0-9a-f]+), 1252', sumber_daya)}
    try:
        tingkat = manifes(sumber_daya).find(f".//{{{ASM_V3}}}requestedExecutionLevel")
        sebagai_pemanggil = tingkat is not None and tingkat.get("level") == "asInvoker"
    except ET.ParseError:
        sebagai_pemanggil = False
    petunjuk_crlf = Path(petunjuk).read_bytes().replace(b"\r\n", b"")
    return {
        "is a 32-bit Windows console program": konsol_32,
        f"imports only functions of the XP list, not {sorted(asing)}": impor(header) and not asing,
        "holds no symbols": polos,
        f"names one language in code page 1252 for its text, not {bahasa}": len(bahasa) == 1,
        "has a well-formed manifest that runs it as its invoker": sebagai_pemanggil,
        "comes with a text in CR LF lines": b"\n" not in petunjuk_crlf,
    }


def main() -> None:
    periksa = {"pasang": pasang, "paket": paket, "windows": windows}[sys.argv[1]]
    sifat = periksa(*sys.argv[2:])
    salah = [
        f"{sys.argv[1]}: should be so but is not: it {nama}"
        for nama, benar in sifat.items()
        if not benar
    ]
    sys.exit("\n".join(salah) or None)


if __name__ == "__main__":
    main()
