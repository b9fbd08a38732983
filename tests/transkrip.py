"""Runs the program on the typed input of one transcript and compares every byte it writes.

A transcript is a small text file:

    # What the dialogue shows (comment lines start with '#').
    masukan: a$255$n
    status: 0
    ---
    {menu}
    Masukkan Pilihan : $
    ...

The text after '---' is the expected output as `cat -A` shows it: '$' ends a line,
'^[' is the escape byte, '^@' the zero byte, '^I' a tab and '^M' a carriage return; a last line without '$' is output
that ends without a line end. A line '{menu}' stands for the title and the menu.
The input uses the same notation on one line. '{TEXT*N}' repeats TEXT N times.

The program runs with a search path that finds no command, so a transcript also
shows that clearing the screen starts no other program.

    transkrip.py TRANSCRIPT [--windows [--jejak-cls TEXT]] -- COMMAND...

With --windows the program is the Windows build under Wine: its line ends are turned
from CR LF into LF before comparing, and the clearing sequence of the expected text
becomes what "cls" leaves in the output (nothing in a pipe, unless --jejak-cls says).
"""

import argparse
import os
import re
import subprocess
import sys
from pathlib import Path

MENU = (
    "Program Tavirel$\n"
    "=============================================$\n"
    "A = Desimal ke Biner, Oktal, Heksadesimal $\n"
    "B = Biner ke Desimal, Oktal, Heksadesimal $\n"
    "C = Oktal ke Desimal, Biner, Heksadesimal $\n"
    "D = Heksadesimal ke Desimal, Biner, Oktal $\n"
    "=============================================$\n"
    "$"
)
BERSIHKAN_LAYAR = "^[[H^[[2J^[[3J"
BATAS_WAKTU = 10
# Passed on to the program from the test's own environment: Wine's prefix and the sanitizers' options.
TERUSKAN = ("WINEPREFIX", "WINEDEBUG", "ASAN_OPTIONS", "UBSAN_OPTIONS")


def ke_byte(teks: str) -> bytes:
    teks = re.sub(r"\{([^{}*]+)\*(\d+)\}", lambda m: m.group(1) * int(m.group(2)), teks)
    for tanda, byte in (("^[", "\x1b"), ("^@", "\0"), ("^I", "\t"), ("^M", "\r"), ("$", "\n")):
        teks = teks.replace(tanda, byte)
    return teks.encode("latin-1")


def lingkungan() -> dict[str, str]:
    """A search path that finds no command, and what TERUSKAN names of this process's environment."""
    return {"PATH": "/nonexistent"} | {nama: os.environ[nama] for nama in TERUSKAN if nama in os.environ}


def baca_transkrip(jalur: Path, jejak_cls: str | None):
    kepala, _, badan = jalur.read_text(encoding="utf-8").partition("\n---\n")
    bidang = {}
    for baris in kepala.splitlines():
        if baris and not baris.startswith("#"):
            nama, _, isi = baris.partition(":")
            bidang[nama] = isi.removeprefix(" ")
    keluaran = badan.removesuffix("\n").replace("{menu}", MENU)
    if jejak_cls is not None:
        keluaran = keluaran.replace(BERSIHKAN_LAYAR, jejak_cls)
    return ke_byte(bidang["masukan"]), int(bidang["status"]), ke_byte(keluaran.replace("\n", ""))


def main() -> int:
    argumen = argparse.ArgumentParser()
    argumen.add_argument("transkrip", type=Path)
    argumen.add_argument("--windows", action="store_true")
    argumen.add_argument("--jejak-cls", default="")
    argumen.add_argument("perintah", nargs="+")
    argumen = argumen.parse_args()

    jalur = argumen.transkrip
    masukan, status_harapan, keluaran_harapan = baca_transkrip(jalur, argumen.jejak_cls if argumen.windows else None)
    hasil = subprocess.run(argumen.perintah, input=masukan, capture_output=True, env=lingkungan(), timeout=BATAS_WAKTU)
    if argumen.windows:
        hasil.stdout = hasil.stdout.replace(b"\r\n", b"\n")

    gagal = []
    if hasil.returncode != status_harapan:
        gagal.append(f"status {hasil.returncode}, expected {status_harapan}")
    if hasil.stdout != keluaran_harapan:
        sama = 0
        while sama < min(len(hasil.stdout), len(keluaran_harapan)) and hasil.stdout[sama] == keluaran_harapan[sama]:
            sama += 1
        gagal.append(
            f"output differs from byte {sama}:\n"
            f"  written:  {hasil.stdout[max(0, sama - 40):sama + 60]!r}\n"
            f"  expected: {keluaran_harapan[max(0, sama - 40):sama + 60]!r}"
        )
    if hasil.stderr:
        gagal.append(f"wrote to standard error: {hasil.stderr[:200]!r}")
    for pesan in gagal:
        print(f"{jalur.name}: {pesan}")
    return 1 if gagal else 0


if __name__ == "__main__":
    sys.exit(main())
