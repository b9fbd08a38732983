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
    stdin: PATH|hanya-tulis|pipa-lambat
                           standard input read from PATH, or the typed input in a file opened
                           for writing only, instead of the typed input; or the typed input
                           through a pipe left non-blocking, written only a moment after the
                           program starts
    stdout: PATH|terbatas|pipa-lambat
                           standard output written to PATH, where the expected output is empty;
                           to a file that cannot grow past the expected output; or to a pipe
                           left non-blocking, whose reader starts only a moment later
    terminal: ya           run in a pseudo-terminal, typing each line of `masukan` only once the
                           output ends in a prompt; the program must end within a second of the
                           last; standard error shows on the same screen; the program may take
                           another standard input

The program runs with a search path that finds no command, so a transcript also shows that
clearing the screen starts no other program.

    transkrip.py TRANSCRIPT [--windows WINEPREFIX] -- COMMAND...

With --windows the program is the Windows build under Wine, whose loader is the first word of
COMMAND, in a prefix whose command processor is the stand-in that writes "[/c cls]": that mark
stands where the expected text clears the screen, and every line end expected is CR LF, as the
C runtime writes it in text mode. Where the prefix holds a file `lewati`, the host cannot run
the program: the transcript says why and exits with 77, skipped.
"""

import contextlib
import os
import pty
import re
import resource
import select
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
BATAS_REAKSI = 1
# How long the far end of a slow pipe waits before it writes or reads.
JEDA = 0.3
# Output that ends in one of these is a prompt: the program waits for the user.
AKHIR_PROMPT = (b": ", b"? ")
LINGKUNGAN = {"PATH": "/nonexistent", "WINEDEBUG": "-all"}


def ke_byte(teks: str) -> bytes:
    teks = teks.replace("\n", "")
    teks = re.sub(r"\{([^{}*]+)\*(\d+)\}", lambda m: m.group(1) * int(m.group(2)), teks)
    teks = re.sub(r"\^([@-_])", lambda m: chr(ord(m.group(1)) - 64), teks.replace("$", "\n"))
    return teks.encode("latin-1")


def baca_transkrip(jalur: Path) -> dict[str, str]:
    kepala, _, badan = jalur.read_text().partition("\n---\n")
    bidang = {"masukan": "", "galat": "", "stdin": "", "stdout": ""}
    bidang["keluaran"] = badan.replace("{menu}\n", MENU)
    return bidang | dict(re.findall(r"^(\w+): ?(.*)$", kepala, re.M))


def pipa_lambat(ujung_program: int) -> tuple[int, int]:
    """A pipe whose end for the program, 0 to read or 1 to write, is non-blocking, as some
    programs leave their pipes: that end first, the far end second."""
    ujung = os.pipe()
    os.set_blocking(ujung[ujung_program], False)
    return ujung[ujung_program], ujung[1 - ujung_program]


def stdin(bidang: dict[str, str], ketikan: str) -> tuple[int, int | None]:
    """Standard input as the transcript names it, and the far end of a slow pipe."""
    if bidang["stdin"] == "pipa-lambat":
        return pipa_lambat(0)
    if bidang["stdin"] == "hanya-tulis":
        return os.open(ketikan, os.O_WRONLY), None
    return os.open(bidang["stdin"] or ketikan, os.O_RDONLY), None


def stdout(bidang: dict[str, str], berkas) -> tuple[int, int | None]:
    """Standard output as the transcript names it, and the far end of a slow pipe."""
    if bidang["stdout"] == "pipa-lambat":
        return pipa_lambat(1)
    if bidang["stdout"] in ("", "terbatas"):
        return os.dup(berkas.fileno()), None
    return os.open(bidang["stdout"], os.O_WRONLY), None


def jalankan(perintah: list[str], bidang: dict[str, str], ketikan: str, harapan: bytes):
    """Status, output and standard error of one run. What is typed comes from a file, all of
    it at hand from the start, so that every run sends its output at the same moments."""
    with tempfile.TemporaryFile() as berkas, tempfile.TemporaryFile() as galat:
        (masuk, penulis), (keluar, pembaca) = stdin(bidang, ketikan), stdout(bidang, berkas)
        batas = (lambda: batasi_berkas(len(harapan))) if bidang["stdout"] == "terbatas" else None
        aliran = {"stdin": masuk, "stdout": keluar, "stderr": galat}
        proses = subprocess.Popen(perintah, env=LINGKUNGAN, preexec_fn=batas, **aliran)
        os.close(masuk)
        os.close(keluar)
        try:
            if penulis is not None:
                tulis_pipa(penulis, Path(ketikan).read_bytes())
            tertulis = baca_pipa(pembaca) if pembaca is not None else b""
            status = proses.wait(BATAS_WAKTU)
        finally:
            proses.kill()
        berkas.seek(0)
        galat.seek(0)
        return status, tertulis or berkas.read(), galat.read()


def tulis_pipa(penulis: int, ketikan: bytes) -> None:
    """Writes what is typed into a pipe only once the program has been waiting for it."""
    time.sleep(JEDA)
    with contextlib.suppress(BrokenPipeError):  # the program did not wait, as the output shows
        os.write(penulis, ketikan)
    os.close(penulis)


def baca_pipa(pembaca: int) -> bytes:
    """All that comes through a pipe, read only once the program has had time to fill it."""
    time.sleep(JEDA)
    tertulis = b""
    while bagian := os.read(pembaca, 1 << 16):
        tertulis += bagian
    os.close(pembaca)
    return tertulis


def batasi_berkas(ukuran: int) -> None:
    """Lets the program write no file past `ukuran` bytes: a write beyond fails, as on a full disk."""
    signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
    resource.setrlimit(resource.RLIMIT_FSIZE, (ukuran, ukuran))


def di_terminal(perintah: list[str], bidang: dict[str, str], ketikan: str, _):
    """Status and screen of one run in a pseudo-terminal that neither echoes what is typed nor
    changes line ends."""
    layar_fd, terminal = pty.openpty()
    mode = termios.tcgetattr(terminal)
    mode[1] &= ~termios.OPOST
    mode[3] &= ~termios.ECHO
    termios.tcsetattr(terminal, termios.TCSANOW, mode)
    aliran = {"stdin": stdin(bidang, ketikan)[0] if bidang["stdin"] else terminal}
    proses = subprocess.Popen(perintah, env=LINGKUNGAN, stdout=terminal, stderr=terminal, **aliran)
    os.close(terminal)
    try:
        layar = baca_layar(layar_fd, BATAS_WAKTU)
        for baris in re.findall(rb"[^\n]*\n|[^\n]+", ke_byte(bidang["masukan"])):
            prompt = layar.endswith(AKHIR_PROMPT)
            assert prompt, f"no prompt on screen before {baris!r} is typed: {layar[-80:]!r}"
            os.write(layar_fd, baris)
            layar += baca_layar(layar_fd, BATAS_REAKSI)
        return proses.wait(BATAS_REAKSI), layar + baca_layar(layar_fd, 0, berhenti=()), b""
    finally:
        proses.kill()


def baca_layar(layar_fd: int, batas: float, berhenti: tuple[bytes, ...] = AKHIR_PROMPT) -> bytes:
    """What the program writes next on the terminal, until it shows a prompt (one that
    `berhenti` names), closes the terminal, or time is up."""
    baru, akhir = b"", time.monotonic() + batas
    while not baru.endswith(berhenti):
        if not select.select([layar_fd], [], [], max(akhir - time.monotonic(), 0))[0]:
            break
        try:
            baru += os.read(layar_fd, 4096)
        except OSError:  # how Linux tells that the terminal is closed
            break
    return baru


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
        lewati = Path(sys.argv[3], "lewati")
        if lewati.exists():
            sys.exit(print(lewati.read_text(), end="") or 77)
        LINGKUNGAN.update(WINEPREFIX=sys.argv[3], WINELOADER=perintah[0])
        bidang["keluaran"] = bidang["keluaran"].replace(BERSIHKAN_LAYAR, JEJAK_CLS)
    akhir_baris = b"\r\n" if windows else b"\n"
    harapan = ke_byte(bidang["keluaran"]).replace(b"\n", akhir_baris)
    harapan_galat = ke_byte(bidang["galat"]).replace(b"\n", akhir_baris)
    with tempfile.NamedTemporaryFile() as ketikan:
        ketikan.write(ke_byte(bidang["masukan"]))
        ketikan.flush()
        jalan = di_terminal if bidang.get("terminal") == "ya" else jalankan
        status, keluaran, galat = jalan(perintah, bidang, ketikan.name, harapan)

    gagal = [] if str(status) == bidang["status"] else [f"status {status}, not {bidang['status']}"]
    gagal += beda("output", keluaran, harapan) + beda("standard error", galat, harapan_galat)
    sys.exit("\n".join(f"{jalur.name}: {pesan}" for pesan in gagal) or None)


if __name__ == "__main__":
    main()
