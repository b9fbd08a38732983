#!/usr/bin/env python3
"""Times a scripted session of 100,000 conversions piped through the program against
GNU bc writing the same 100,000 numbers in bases 2, 8 and 16, on this machine in one
run, and reports the program's peak memory for sessions of two lengths.

    bench/banding.py [--program PATH] [--conversions N]

Without --program it builds the release program with the default preset first. GNU bc,
and GNU time to read the peak memory, are installed with apt-get when they are missing
and this runs as root.
"""

import argparse
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

AKAR = Path(__file__).resolve().parent.parent
BENIH = 7
ULANGAN = 3


def sesi(jumlah: int) -> tuple[bytes, list[int]]:
    """A session of `jumlah` conversions of random 32-bit values, the four options mixed, each
    answered "y" but the last, and the decimal value of each number typed."""
    acak = random.Random(BENIH)
    baris, nilai = [], []
    for i in range(jumlah):
        pilihan = acak.choice("abcd")
        pola = acak.randrange(2**32)
        x = pola - 2**32 if pola >= 2**31 else pola
        ketikan = (
            str(x) if pilihan == "a" else format(pola, {"b": "b", "c": "o", "d": "X"}[pilihan])
        )
        jawaban = "n" if i == jumlah - 1 else "y"
        baris.append(f"{pilihan}\n{ketikan}\n{jawaban}\n")
        nilai.append(x)
    return "".join(baris).encode(), nilai


def jalankan(perintah: list[str], masukan: bytes, lingkungan: dict | None = None) -> float:
    """Wall-clock seconds of one run, with the input from a file and the output drained
    from a pipe."""
    with tempfile.TemporaryFile() as berkas:
        berkas.write(masukan)
        berkas.seek(0)
        mulai = time.perf_counter()
        proses = subprocess.Popen(perintah, stdin=berkas, stdout=subprocess.PIPE, env=lingkungan)
        while proses.stdout.read(1 << 16):
            pass
        if proses.wait() != 0:
            sys.exit(f"{perintah[0]} ended with status {proses.returncode}")
        return time.perf_counter() - mulai


def waktu_terbaik(perintah: list[str], masukan: bytes, lingkungan: dict | None = None) -> float:
    return min(jalankan(perintah, masukan, lingkungan) for _ in range(ULANGAN))


def puncak_memori(program: str, masukan: bytes) -> float:
    """Peak resident memory of one run, in MiB, as GNU time reads it. Python cannot read it
    itself: a child it starts counts Python's own memory from before the program began."""
    with tempfile.NamedTemporaryFile() as laporan:
        jalankan([alat("time"), "-f", "%M", "-o", laporan.name, program], masukan)
        return int(Path(laporan.name).read_text().split()[-1]) / 1024


def alat(nama: str) -> str:
    """The path of a tool from the Debian package of the same name, installed if missing."""
    jalur = shutil.which(nama)
    if jalur is None:
        if os.geteuid() != 0 or shutil.which("apt-get") is None:
            sys.exit(f"{nama} is missing; install the Debian package {nama} first")
        subprocess.run(
            ["apt-get", "install", "-y", "--no-install-recommends", nama],
            check=True,
            stdout=subprocess.DEVNULL,
        )
        return alat(nama)
    return jalur


def bangun() -> str:
    for langkah in (["cmake", "--preset", "default"], ["cmake", "--build", "--preset", "default"]):
        subprocess.run(langkah, cwd=AKAR, check=True, stdout=subprocess.DEVNULL)
    return str(AKAR / "build" / "tavirel")


def main() -> int:
    argumen = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argumen.add_argument("--program")
    argumen.add_argument("--conversions", type=int, default=100_000)
    argumen = argumen.parse_args()
    program = argumen.program or bangun()
    jumlah = argumen.conversions

    masukan, nilai = sesi(jumlah)
    waktu_program = waktu_terbaik([program], masukan)
    angka = "\n".join(map(str, nilai))
    skrip_bc = "".join(f"obase={basis}\n{angka}\n" for basis in (2, 8, 16)).encode()
    waktu_bc = waktu_terbaik([alat("bc"), "-q"], skrip_bc, dict(os.environ, BC_LINE_LENGTH="0"))
    puncak = puncak_memori(program, masukan)
    puncak_sepersepuluh = puncak_memori(program, sesi(jumlah // 10)[0])

    rasio = waktu_program / waktu_bc
    print(
        f"program, {jumlah} conversions piped through it: {waktu_program:.3f} s (best of {ULANGAN})"
    )
    print(
        f"bc, the same {jumlah} numbers in bases 2, 8 and 16: {waktu_bc:.3f} s (best of {ULANGAN})"
    )
    print(f"ratio program/bc: {rasio:.3f} (target: under 0.1)")
    print(
        f"peak memory: {puncak_sepersepuluh:.1f} MiB for {jumlah // 10} conversions, "
        f"{puncak:.1f} MiB for {jumlah} (target: under 4 MiB, no growth)"
    )
    return 0


if __name__ == "__main__":
    sys.exit(main())
