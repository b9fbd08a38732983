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
    stdin: PATH|pipa-lambat
                           standard input read from PATH instead of the typed input; or the
                           typed input through a pipe left non-blocking, written only once the
                           program waits for it, which it must do with a prompt on screen
    stdout: PATH|terbatas|pipa-lambat
                           standard output written to PATH, where the expected output is empty;
                           to a file that cannot grow past the expected output; or to a pipe
                           left non-blocking, read only once the program waits for it
    stderr: pipa-lambat    standard error written to a pipe left non-blocking, already full
                           when the program starts, drained only once the program waits for it
    terminal: ya           run in a pseudo-terminal, where every line of `masukan` is typed
                           before the program starts and the terminal hands it over line by
                           line; standard error shows on the same screen; the program may take
                           another standard input

A program waits on a slow pipe by sleeping, however busy the machine is: one that is never seen
asleep within the time limit spins, and fails.

Natively, the program runs with a search path that finds no command, so a transcript also
shows that clearing the screen starts no other program.

    transkrip.py TRANSCRIPT [--windows WINEPREFIX] -- COMMAND...

With --windows the program is the Windows build under Wine, whose loader is the first word of
COMMAND, started with address randomisation off, in a prefix whose command processor is the
stand-in that writes "[/c cls]": that mark stands where the expected text clears the screen,
and every line end expected is CR LF, as the C runtime writes it in text mode.
"""

import contextlib
import os
import pty
import re
import resource
import signal
import subprocess
import sys
import tempfile
import termios
import time
from pathlib import Path

MENU = Path(__file__).with_name("menu.txt").read_text()
BERSIHKAN_LAYAR = "^[[H^[[2J^[[3J"
JEJAK_CLS = "[/c cls]"
BATAS_WAKTU = 10
# Output that ends in one of these is a prompt: the program waits for the user.
AKHIR_PROMPT = (b": ", b"? ")
LINGKUNGAN = {"PATH": "/nonexistent", "WINEDEBUG": "-all"}
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


def aliran(bidang: dict[str, str], nomor: int, ketikan: str, berkas, terminal) -> tuple:
    """Standard input, output or error (nomor 0, 1 or 2) as the transcript names it: the end
    for the program, and the far end that the runner reads or writes, if any. A slow pipe's end
    for the program is non-blocking, as some programs leave their pipes."""
    jenis = bidang[ARAH[nomor]]
    if jenis == "pipa-lambat":
        ujung = os.pipe()
        milik_program = 0 if nomor == 0 else 1
        os.set_blocking(ujung[milik_program], False)
        return ujung[milik_program], ujung[1 - milik_program]
    if terminal and not (nomor == 0 and jenis):
        layar, tty = terminal
        return os.dup(tty), layar if nomor == 1 else None
    jenis = jenis or (ketikan if nomor == 0 else "")  # standard input is what is typed
    if jenis in ("", "terbatas"):
        return os.dup(berkas.fileno()), None
    return os.open(jenis, os.O_WRONLY if nomor else os.O_RDONLY), None


def terminal_baru(ketikan: str) -> tuple[int, int]:
    """A pseudo-terminal that neither echoes what is typed nor changes line ends, where all
    that is typed waits from the start, to be handed over line by line: its screen, the end
    that the runner reads, and the terminal itself."""
    layar, tty = pty.openpty()
    mode = termios.tcgetattr(tty)
    mode[1] &= ~termios.OPOST
    mode[3] &= ~termios.ECHO
    termios.tcsetattr(tty, termios.TCSANOW, mode)
    os.write(layar, Path(ketikan).read_bytes())
    return layar, tty


def tidur(pid: int) -> bool:
    """Waits until the program sleeps, as it does while it waits on a stream, or has ended:
    True when it sleeps. The kernel shows a program that spins as running or ready to run,
    never as sleeping, however little of the processor a busy machine gives it."""
    batas = time.monotonic() + BATAS_WAKTU
    while time.monotonic() < batas:
        keadaan = Path(f"/proc/{pid}/stat").read_text().rpartition(") ")[2][0]
        if keadaan in ("S", "Z"):
            return keadaan == "S"
        time.sleep(0.01)
    sys.exit(f"spins: never sleeps in {BATAS_WAKTU} s while it waits")


def jalankan(perintah: list[str], bidang: dict[str, str], ketikan: str, harapan: bytes):
    """Status, output and standard error of one run. What is typed comes from a file, all of it
    at hand from the start, so that every run sends its output at the same moments; on a
    terminal, the output is the screen, which shows standard error too."""
    with tempfile.TemporaryFile() as keluaran, tempfile.TemporaryFile() as galat:
        terminal = terminal_baru(ketikan) if bidang.get("terminal") == "ya" else None
        berkas = (None, keluaran, galat)
        program, jauh = zip(*(aliran(bidang, n, ketikan, berkas[n], terminal) for n in range(3)))
        # One write to a non-blocking pipe takes what fits: the pipe is then full.
        tumpah = os.write(program[2], bytes(1 << 20)) if jauh[2] is not None else 0
        batas = (lambda: batasi_berkas(len(harapan))) if bidang["stdout"] == "terbatas" else None
        proses = subprocess.Popen(
            perintah, env=LINGKUNGAN, preexec_fn=batas, **dict(zip(ARAH, program))
        )
        for ujung in program + (terminal[1:] if terminal else ()):
            os.close(ujung)
        try:
            menunggu = any(bidang[arah] == "pipa-lambat" for arah in ARAH) and tidur(proses.pid)
            if jauh[0] is not None:
                sejauh_ini = os.pread(keluaran.fileno(), 1 << 20, 0)
                if menunggu and not sejauh_ini.endswith(AKHIR_PROMPT):
                    sys.exit(f"waits for input with no prompt on screen: {sejauh_ini[-60:]!r}")
                with contextlib.suppress(BrokenPipeError):  # the program did not wait
                    os.write(jauh[0], Path(ketikan).read_bytes())
                os.close(jauh[0])
            tertulis, pesan = (baca_sampai_habis(ujung) if ujung else b"" for ujung in jauh[1:])
            status = proses.wait(BATAS_WAKTU)
        finally:
            proses.kill()
        tertulis = tertulis or os.pread(keluaran.fileno(), 1 << 24, 0)
        return status, tertulis, pesan[tumpah:] or os.pread(galat.fileno(), 1 << 24, 0)


def batasi_berkas(ukuran: int) -> None:
    """Lets the program write no file past `ukuran` bytes: a write beyond fails, as on a full
    disk."""
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (ukuran, ukuran))


def baca_sampai_habis(ujung: int) -> bytes:
    """All that comes through a pipe or a terminal until it is closed."""
    tertulis = b""
    with contextlib.suppress(OSError):  # how Linux tells that a terminal is closed
        while bagian := os.read(ujung, 1 << 16):
            tertulis += bagian
    os.close(ujung)
    return tertulis


def beda(nama: str, tertulis: bytes, harapan: bytes) -> list[str]:
    """Where the bytes written first differ from those expected, if they do."""
    if tertulis == harapan:
        return []
    i = len(os.path.commonprefix([tertulis, harapan]))
    potong = slice(max(0, i - 40), i + 60)
    tertulis, harapan = tertulis[potong], harapan[potong]
    return [f"{nama} differs from byte {i}:\n  written:  {tertulis!r}\n  expected: {harapan!r}"]


def main() -> None:
    jalur, perintah = Path(sys.argv[1]), sys.argv[sys.argv.index("--") + 1 :]
    bidang, windows = baca_transkrip(jalur), sys.argv[2] == "--windows"
    if windows:
        LINGKUNGAN.update(WINEPREFIX=sys.argv[3], WINELOADER=perintah[0], PATH=os.environ["PATH"])
        # Wine starts with address randomisation off, as in wine.sh, which says why.
        perintah = ["setarch", os.uname().machine, "-R", *perintah]
        bidang["keluaran"] = bidang["keluaran"].replace(BERSIHKAN_LAYAR, JEJAK_CLS)
    akhir_baris = b"\r\n" if windows else b"\n"
    harapan = ke_byte(bidang["keluaran"]).replace(b"\n", akhir_baris)
    harapan_galat = ke_byte(bidang["galat"]).replace(b"\n", akhir_baris)
    with tempfile.NamedTemporaryFile() as ketikan:
        Path(ketikan.name).write_bytes(ke_byte(bidang["masukan"]))
        status, keluaran, galat = jalankan(perintah, bidang, ketikan.name, harapan)

    gagal = [] if str(status) == bidang["status"] else [f"status {status}, not {bidang['status']}"]
    gagal += beda("output", keluaran, harapan) + beda("standard error", galat, harapan_galat)
    sys.exit("\n".join(f"{jalur.name}: {pesan}" for pesan in gagal) or None)


if __name__ == "__main__":
    main()
