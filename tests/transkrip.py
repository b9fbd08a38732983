"""Runs the program on one transcript and compares every byte it writes, what it writes on
standard error, and its exit status.

A transcript is a small text file:

    # What the dialogue shows (comment lines start with '#').
    masukan: a$255$n
    status: 0
    ---
    {menu}
    Masukkan Pilihan : $
    ...

The text after '---' is the expected output as `cat -A` shows it: '$' ends a line, '^X' is
Ctrl-X ('^[' the escape byte, '^@' the zero byte, '^I' a tab, '^M' a carriage return, '^D'
Ctrl-D); a last line without '$' is output that ends without a line end. A line '{menu}' stands
for the title and the menu of menu.txt, '{TEXT*N}' for TEXT N times. The other fields use the
same notation:

    galat: TEXT            standard error (nothing, when absent)
    stdin: PATH|terminal|pipa-lambat
                           standard input read from PATH instead of the typed input; the typed
                           input in a pseudo-terminal, which hands it over line by line and
                           takes a Ctrl-D at the start of a line as the end of the input; or
                           the typed input through a pipe left non-blocking, written only once
                           the program waits for it, which it must do with a prompt on screen
    stdout: PATH|terbatas|pipa-lambat
                           standard output written to PATH, where the expected output is empty;
                           to a file that cannot grow past the expected output; or to a pipe
                           left non-blocking, read only once the program waits for it
    stderr: keluaran|pipa-lambat
                           standard error written to the same file as standard output, where
                           `galat` is empty; or to a pipe left non-blocking, already full when
                           the program starts, drained only once the program waits for it

A program waits on a slow pipe by sleeping, however busy the machine is: one that is never seen
asleep within the time limit spins, and fails.

Natively, the program runs with a search path that finds no command, so a transcript also
shows that clearing the screen starts no other program.

    transkrip.py TRANSCRIPT [--windows] -- COMMAND...

With --windows the command runs the Windows build under Wine, as wine.sh prepares it: in its
environment, in a prefix whose command processor is the stand-in that writes "[/c cls]". That
mark stands where the expected text clears the screen, and every line end expected is CR LF, as
the C runtime writes it in text mode.
"""

import contextlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

MENU = Path(__file__).with_name("menu.txt").read_text()
BERSIHKAN_LAYAR = "^[[H^[[2J^[[3J"
JEJAK_CLS = "[/c cls]"
BATAS_WAKTU = 10
# Output that ends in one of these is a prompt: the program waits for the user.
AKHIR_PROMPT = (b": ", b"? ")
LINGKUNGAN = {"PATH": "/nonexistent"}
ARAH = ("stdin", "stdout", "stderr")


def ke_byte(teks: str) -> bytes:
    teks = teks.replace("\n", "")
    teks = re.sub(r"\{([^{}*]+)\*(\d+)\}", lambda m: m.group(1) * int(m.group(2)), teks)
    teks = re.sub(r"\^([@-_])", lambda m: chr(ord(m.group(1)) - 64), teks.replace("$", "\n"))
    return teks.encode("latin-1")


def baca_transkrip(jalur: Path) -> dict[str, str]:
    kepala, _, badan = jalur.read_text().partition("\n---\n")
    bidang = {"masukan": "", "galat": "", "stdin": "", "stdout": "", "stderr": ""}
    bidang["keluaran"] = badan.replace("{menu}\n", MENU)
    return bidang | dict(re.findall(r"^(\w+): ?(.*)$", kepala, re.M))


def aliran(bidang: dict[str, str], nomor: int, berkas: list) -> tuple:
    """Standard input, output or error (nomor 0, 1 or 2) as the transcript names it: the end
    for the program, and the far end that the runner reads or writes, if any. A slow pipe's end
    for the program is non-blocking, as some programs leave their pipes."""
    jenis = bidang[ARAH[nomor]]
    if jenis == "pipa-lambat":
        ujung = os.pipe()
        milik_program = 0 if nomor == 0 else 1
        os.set_blocking(ujung[milik_program], False)
        return ujung[milik_program], ujung[1 - milik_program]
    if jenis == "terminal":  # all that is typed waits there from the start
        layar, tty = os.openpty()
        os.write(layar, os.pread(berkas[0].fileno(), 1 << 20, 0))
        return tty, layar
    if jenis in ("", "terbatas", "keluaran"):
        return os.dup(berkas[1 if jenis == "keluaran" else nomor].fileno()), None
    return os.open(jenis, os.O_WRONLY if nomor else os.O_RDONLY), None


def tidur(pid: int) -> bool:
    """Waits until the program sleeps, as it does while it waits on a stream, or has ended:
    True when it sleeps. The kernel shows a program that spins as running or ready to run,
    never as sleeping, however little of the processor a busy machine gives it."""
    for _ in range(BATAS_WAKTU * 100):
        if (keadaan := Path(f"/proc/{pid}/stat").read_text().rpartition(") ")[2][0]) in "SZ":
            return keadaan == "S"
        time.sleep(0.01)
    sys.exit(f"spins: never sleeps in {BATAS_WAKTU} s while it waits")


def jalankan(perintah: list[str], bidang: dict[str, str], ketikan: bytes, harapan: bytes):
    """Status, output and standard error of one run. What is typed comes from a file, all of it
    at hand from the start, so that every run sends its output at the same moments. The program
    runs with SIGPIPE and SIGXFSZ ignored, as the runner has them, so that a write past a file's
    limit fails as on a full disk."""
    if bidang["stdout"] == "terbatas":
        perintah = [shutil.which("prlimit"), f"--fsize={len(harapan)}", "--", *perintah]
    berkas = [tempfile.TemporaryFile() for _ in ARAH]  # standard input is what is typed
    berkas[0].write(ketikan)
    berkas[0].seek(0)
    program, jauh = zip(*(aliran(bidang, n, berkas) for n in range(3)))
    # One write to a non-blocking pipe takes what fits: the pipe is then full.
    tumpah = os.write(program[2], bytes(1 << 20)) if jauh[2] is not None else 0
    ujung_program = dict(zip(ARAH, program))
    proses = subprocess.Popen(perintah, env=LINGKUNGAN, restore_signals=False, **ujung_program)
    for ujung in program:
        os.close(ujung)
    try:
        menunggu = any(bidang[arah] == "pipa-lambat" for arah in ARAH) and tidur(proses.pid)
        if bidang["stdin"] == "pipa-lambat":
            sejauh_ini = os.pread(berkas[1].fileno(), 1 << 20, 0)
            if menunggu and not sejauh_ini.endswith(AKHIR_PROMPT):
                sys.exit(f"waits for input with no prompt on screen: {sejauh_ini[-60:]!r}")
            with contextlib.suppress(BrokenPipeError):  # the program did not wait
                os.write(jauh[0], ketikan)
            os.close(jauh[0])
        tertulis, pesan = (baca_sampai_habis(ujung) if ujung else b"" for ujung in jauh[1:])
        status = proses.wait(BATAS_WAKTU)
    finally:
        proses.kill()
    tertulis = tertulis or os.pread(berkas[1].fileno(), 1 << 24, 0)
    return status, tertulis, pesan[tumpah:] or os.pread(berkas[2].fileno(), 1 << 24, 0)


def baca_sampai_habis(ujung: int) -> bytes:
    """All that comes through a pipe until it is closed."""
    with os.fdopen(ujung, "rb") as pipa:
        return pipa.read()


def beda(nama: str, tertulis: bytes, harapan: bytes) -> list[str]:
    """Where the bytes written first differ from those expected, if they do."""
    i = len(os.path.commonprefix([tertulis, harapan]))
    sekitar = slice(max(0, i - 40), i + 60)
    pesan = f"{nama} differs from byte {i}:\n  written:  {tertulis[sekitar]!r}\n  expected: "
    return [] if tertulis == harapan else [pesan + repr(harapan[sekitar])]


def main() -> None:
    jalur, perintah = Path(sys.argv[1]), sys.argv[sys.argv.index("--") + 1 :]
    bidang, windows = baca_transkrip(jalur), sys.argv[2] == "--windows"
    if windows:
        LINGKUNGAN.update(os.environ, WINEDEBUG="-all")
        bidang["keluaran"] = bidang["keluaran"].replace(BERSIHKAN_LAYAR, JEJAK_CLS)
    akhir_baris = b"\r\n" if windows else b"\n"
    harapan = ke_byte(bidang["keluaran"]).replace(b"\n", akhir_baris)
    harapan_galat = ke_byte(bidang["galat"]).replace(b"\n", akhir_baris)
    status, keluaran, galat = jalankan(perintah, bidang, ke_byte(bidang["masukan"]), harapan)

    gagal = [] if str(status) == bidang["status"] else [f"status {status}, not {bidang['status']}"]
    gagal += beda("output", keluaran, harapan) + beda("standard error", galat, harapan_galat)
    sys.exit("\n".join(f"{jalur.name}: {pesan}" for pesan in gagal) or None)


main()
