"""Feeds thousands of random byte streams to the program and checks that each run ends
by itself, with status 0 or 1, nothing on standard error, the title and menu first,
and nothing but printable text, line ends and the clearing sequence in its output.

    tekanan.py PROGRAM [COUNT]

The streams come from a fixed seed, so every run feeds the same ones. They are mostly
dialogues (a menu letter, a number or word, a retry answer, again and again) with
garbage, zero bytes, very long tokens and odd whitespace mixed in, and are cut off at
a random place or end with "n". A failing stream is saved as tekanan-gagal-N.bin in
the working directory, to be fed to the program by hand.
"""

import os
import random
import re
import signal
import subprocess
import sys
import tempfile
import threading
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import transkrip
from transkrip import ke_byte, lingkungan

BENIH = 20261206
JUMLAH = 3000
# One fault usually fails many streams; a few of them show it.
GAGAL_TERBANYAK = 5
BATAS_WAKTU = 10
# A stream of a few kilobytes makes well under a megabyte of menus and notices.
BATAS_KELUARAN = 16 * 1024 * 1024
AWAL = ke_byte(transkrip.MENU.replace("\n", "")) + b"Masukkan Pilihan : "
BERSIHKAN_LAYAR = ke_byte(transkrip.BERSIHKAN_LAYAR)
TERCETAK = re.compile(rb"[\x20-\x7e\n]*")

BATAS_BILANGAN = ["0", "-0", "+5", "-", "+", "2147483647", "2147483648", "-2147483648", "-2147483649"]
BATAS_HEKSA = ["0", "0x", "0X", "7FFFFFFF", "80000000", "FFFFFFFF", "100000000", "000000000FF", "0xfFfF"]


def sampah(acak: random.Random) -> str:
    return "".join(chr(acak.randrange(256)) for _ in range(acak.randint(1, 20)))


def digit(acak: random.Random, lambang: str, panjang: int) -> str:
    return "".join(acak.choice(lambang) for _ in range(panjang))


def panjang_token(acak: random.Random) -> int:
    """Mostly short, sometimes around the 99-byte word cell, now and then thousands."""
    return acak.choice([acak.randint(1, 12), acak.randint(95, 105), acak.randint(1000, 5000)])


def bilangan(acak: random.Random) -> str:
    return acak.choice([
        lambda: acak.choice(BATAS_BILANGAN),
        lambda: str(acak.randint(-(2**31), 2**31 - 1)),
        lambda: acak.choice(["", "-"]) + digit(acak, "01", acak.randint(1, 11)),
        lambda: acak.choice(["", "-", "+"]) + digit(acak, "01234567", acak.randint(1, 12)),
        lambda: digit(acak, "0123456789", panjang_token(acak)) + acak.choice(["", "yes", "x", "\0"]),
        lambda: sampah(acak),
    ])()


def kata_heksa(acak: random.Random) -> str:
    return acak.choice([
        lambda: acak.choice(BATAS_HEKSA),
        lambda: acak.choice(["", "0x", "0X"]) + digit(acak, "0123456789abcdefABCDEF", acak.randint(1, 10)),
        lambda: digit(acak, "0123456789ABCDEFGxz-", panjang_token(acak)),
        lambda: sampah(acak),
    ])()


def pisah(acak: random.Random) -> str:
    return acak.choice([" ", "\n", "\r\n", "\t", "\v\f", "  \n\n", ""])


def aliran(acak: random.Random) -> bytes:
    """One stream: a few rounds of the dialogue, then "n", the end, or a cut anywhere."""
    token = []
    for _ in range(acak.randint(1, 8)):
        huruf = acak.choice("aAbBcCdD" * 3 + "xZ1\0")
        token.append(huruf)
        if huruf in "aAbBcC":
            token.append(bilangan(acak))
        elif huruf in "dD":
            token.append(kata_heksa(acak))
        else:
            continue
        token.append(acak.choice("yyyyYnNq") if acak.random() < 0.9 else sampah(acak))
        if token[-1] in "nN":
            break
    teks = "".join(t + pisah(acak) for t in token).encode("latin-1")
    if acak.random() < 0.5:
        teks = teks[: acak.randint(0, len(teks))]
    return teks


def jalankan(program: str, masukan: bytes) -> tuple[int | None, bytes, bytes]:
    """The status, output and standard error of one run; no status when the run had to be
    stopped because it took too long or wrote too much."""
    with tempfile.TemporaryFile() as berkas:
        berkas.write(masukan)
        berkas.seek(0)
        proses = subprocess.Popen([program], stdin=berkas, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                                  env=lingkungan())
    penghenti = threading.Timer(BATAS_WAKTU, proses.kill)
    penghenti.start()
    galat = []
    pembaca_galat = threading.Thread(target=lambda: galat.append(proses.stderr.read()))
    pembaca_galat.start()
    keluaran = proses.stdout.read(BATAS_KELUARAN + 1)
    if len(keluaran) > BATAS_KELUARAN:
        proses.kill()
    status = proses.wait()
    penghenti.cancel()
    pembaca_galat.join()
    terhenti = status == -signal.SIGKILL
    return (None if terhenti else status), keluaran, galat[0]


def periksa(program: str, masukan: bytes) -> str | None:
    """What went wrong when the program read this stream, or None."""
    status, keluaran, galat = jalankan(program, masukan)
    if status is None:
        return f"did not end by itself within {BATAS_WAKTU} s and {BATAS_KELUARAN} bytes of output"
    if status not in (0, 1):
        return f"status {status}; standard error: {galat[:2000].decode(errors='replace')}"
    if galat:
        return f"wrote to standard error: {galat[:2000]!r}"
    if not keluaran.startswith(AWAL):
        return f"output does not begin with the title and menu: {keluaran[:200]!r}"
    if not TERCETAK.fullmatch(keluaran.replace(BERSIHKAN_LAYAR, b"")):
        return "output holds a byte that is neither printable, a line end nor the clearing sequence"
    return None


def main() -> int:
    program = os.path.abspath(sys.argv[1])
    jumlah = int(sys.argv[2]) if len(sys.argv) > 2 else JUMLAH
    acak = random.Random(BENIH)
    semua = [aliran(acak) for _ in range(jumlah)]

    gagal: dict[int, str] = {}
    cukup = threading.Event()

    def uji(i: int) -> None:
        if cukup.is_set():
            return
        pesan = periksa(program, semua[i])
        if pesan:
            gagal[i] = pesan
            if len(gagal) >= GAGAL_TERBANYAK:
                cukup.set()

    with ThreadPoolExecutor(max_workers=os.cpu_count()) as pekerja:
        list(pekerja.map(uji, range(jumlah)))

    for i in sorted(gagal):
        Path(f"tekanan-gagal-{i}.bin").write_bytes(semua[i])
        print(f"stream {i} ({len(semua[i])} bytes, saved as tekanan-gagal-{i}.bin): {gagal[i]}")
    if cukup.is_set():
        print(f"stopped after {len(gagal)} failed streams")
    else:
        print(f"{jumlah} streams, {len(gagal)} failed")
    return 1 if gagal else 0


if __name__ == "__main__":
    sys.exit(main())
