"""Runs the program on one transcript and compares every byte it writes, what it writes on
standard error, and its exit status. A transcript's folder says where it runs: asli/ natively,
windows/ under Wine, keduanya/ both.

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
                           the typed input through a pipe left non-blocking, one word at a
                           time, each written only once the program waits for it, which it must
                           do with a new prompt on screen
    stdout: PATH|terbatas|pipa-lambat
                           standard output written to PATH, where the expected output is empty;
                           to a file that cannot grow past the expected output; or to a pipe
                           left non-blocking, read only once the program waits for it
    stderr: keluaran|pipa-lambat
                           standard error written to the same file as standard output, where
                           `galat` is empty; or to a pipe left non-blocking, already full when
                           the program starts, drained only once the program waits for it

A program waits on a slow pipe by sleeping, however busy the machine is, and does not wake until
the pipe is ready: one that is never seen asleep spins, and fails at the time limit; one that
wakes more than three times in a pause of 0.1 s polls, and fails at once.

The time limit, 10 s for the whole run, runs on a clock that stops while any task on the machine
waits for a processor, where the kernel counts such waits (else it is the wall clock): a busy
machine slows a test but never fails it, and a program that hangs fails all the same.

A table is a transcript whose header says `bentuk: tabel`, and whose body holds one conversion
a line, with exactly these fields, in the same notation:

    d 0x1A          26 11010 32        y

the option letter and the number, as typed; the three result lines in the option's order (A:
biner, oktal, heksadesimal; B: desimal, oktal, heksadesimal; C: desimal, biner, heksadesimal;
D: desimal, biner, oktal), or the refusal, `tidak-valid` or `di-luar-jangkauan`; and the answer
to "Ingin coba lagi (Y/N) ?", Y or y on every line but the last, whose N or n ends the program
with status 0. All the lines run in one program.

Natively, the program runs with a search path on which no command is found.

    transkrip.py TRANSCRIPT [--windows] -- COMMAND...

With --windows the command runs the Windows build under Wine, in the runner's environment, which
names the prefix that wine.sh prepared; there the command processor is the stand-in that writes
"[/c cls]". That mark stands where the expected text clears the screen, and every line end
expected is CR LF, as the C runtime writes it in text mode.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

MENU = Path(__file__).with_name("menu.txt").read_text()
BERSIHKAN_LAYAR = "^[[H^[[2J^[[3J"
JEJAK_CLS = "[/c cls]"
BATAS_WAKTU = 10
# A program waiting on a stream sleeps until the stream is ready: over a pause it may wake three
# times, as for a signal, and no more.
JEDA = 0.1
BANGUN_TERBANYAK = 3
TIDUR = re.compile(r"State:\s*(\w).*\nvoluntary_ctxt_switches:\s*(\d+)", re.S)
# Output that ends in one of these is a prompt: the program waits for the user.
AKHIR_PROMPT = (b": ", b"? ")
LINGKUNGAN = {"PATH": "/nonexistent"}
ARAH = ("stdin", "stdout", "stderr")
# The bases in the menu's order, as the result labels, the prompts and the refusals name them.
BASIS = ("desimal", "biner", "oktal", "heksadesimal")
TOLAKAN = {
    "tidak-valid": "Bilangan {} tidak valid!!$",
    "di-luar-jangkauan": "Bilangan di luar jangkauan!!$",
}


def ke_byte(teks: str) -> bytes:
    teks = teks.replace("\n", "")
    teks = re.sub(r"\{([^{}*]+)\*(\d+)\}", lambda m: m.group(1) * int(m.group(2)), teks)
    teks = re.sub(r"\^([@-_])", lambda m: chr(ord(m.group(1)) - 64), teks.replace("$", "\n"))
    return teks.encode("latin-1")


def baca_transkrip(jalur: Path) -> dict:
    kepala, _, badan = jalur.read_text().partition("\n---\n")
    bidang = {"masukan": "", "galat": "", "stdin": "", "stdout": "", "stderr": "", "kasus": []}
    bidang |= dict(re.findall(r"^(\w+): ?(.*)$", kepala, re.M))
    bidang["keluaran"] = badan.replace("{menu}\n", MENU)
    if bidang.get("bentuk") == "tabel":
        bidang["kasus"] = list(filter(str.strip, badan.splitlines()))
        ketikan, keluaran = zip(*map(kasus_tabel, bidang["kasus"]))
        bidang |= {"status": "0", "masukan": "".join(ketikan), "keluaran": "".join(keluaran)}
    return bidang


def kasus_tabel(baris: str) -> tuple[str, str]:
    """What is typed for one line of a table, and what the program must write for it."""
    medan = baris.split()
    if len(medan) != (4 if TOLAKAN.keys() & medan[2:3] else 6):
        sys.exit(f"a table line needs three results or one refusal: {baris}")
    huruf, bilangan, *hasil, jawaban = medan
    basis = BASIS["abcd".index(huruf.lower())]
    lain = (nama for nama in BASIS if nama != basis)
    tulisan = "".join(f"Hasil {nama:<12} : {isi}$" for nama, isi in zip(lain, hasil))
    if hasil[0] in TOLAKAN:
        tulisan = TOLAKAN[hasil[0]].format(basis)
    # The prompt of option D spells the base "hexadesimal".
    keluaran = f"{MENU}Masukkan Pilihan : $Masukkan bilangan {basis.replace('heks', 'hex')} : "
    keluaran += f"{tulisan}$Ingin coba lagi (Y/N) ? " + BERSIHKAN_LAYAR * (jawaban in "yY")
    return f"{huruf}${bilangan}${jawaban}$", keluaran


def aliran(bidang: dict, nomor: int, berkas: list) -> tuple:
    """Standard input, output or error (nomor 0, 1 or 2) as the transcript names it: the end
    for the program, and the far end that the runner reads or writes, if any. A slow pipe's end
    for the program is non-blocking, as some programs leave their pipes."""
    jenis = bidang[ARAH[nomor]]
    if jenis == "pipa-lambat":
        ujung = os.pipe()[:: -1 if nomor else 1]  # the program's end first
        os.set_blocking(ujung[0], False)
        return ujung
    if jenis == "terminal":  # all that is typed waits there from the start
        layar, tty = os.openpty()
        os.write(layar, os.pread(berkas[0].fileno(), 1 << 20, 0))
        return tty, layar
    if jenis in ("", "terbatas", "keluaran"):
        return os.dup(berkas[1 if jenis == "keluaran" else nomor].fileno()), None
    return os.open(jenis, os.O_WRONLY if nomor else os.O_RDONLY), None


def jam() -> float:
    """Seconds in which no task on the machine waited for a processor, or, where the kernel does
    not count such waits, wall-clock seconds."""
    tekanan = Path("/proc/pressure/cpu")
    tunggu = int(re.search(r"total=(\d+)", tekanan.read_text())[1]) if tekanan.exists() else 0
    return time.monotonic() - tunggu / 1e6


def keadaan(pid: int) -> tuple[str, int]:
    """The program's state as the kernel shows it ('S' asleep, 'Z' ended, else running or ready
    to run), and how many times it has gone to sleep."""
    huruf, kali = TIDUR.search(Path(f"/proc/{pid}/status").read_text()).groups()
    return huruf, int(kali)


def batasi_waktu() -> None:
    """From now on the run fails once the time limit has passed by jam(): an alarm every 0.1 s
    looks at the clock, whatever the runner is waiting for."""
    batas = jam() + BATAS_WAKTU

    def periksa(*_) -> None:
        if jam() > batas:
            sys.exit(f"hangs, or spins where it should wait: still running after {BATAS_WAKTU} s")

    signal.signal(signal.SIGALRM, periksa)
    signal.setitimer(signal.ITIMER_REAL, 0.1, 0.1)


def tunggu_tidur(pid: int, sudah: int = -1) -> int | None:
    """Waits until the program, having gone to sleep more than `sudah` times, sleeps, as it does
    while it waits on a stream, and wakes at most three times over a pause: how many times it has
    gone to sleep, or None once it has ended. The kernel shows a program that spins as running or
    ready to run, never as asleep, however little of the processor a busy machine gives it."""
    while True:
        huruf, kali = keadaan(pid)
        if huruf == "Z":
            return None
        if huruf == "S" and kali > sudah:
            time.sleep(JEDA)
            if (bangun := keadaan(pid)[1] - kali) > BANGUN_TERBANYAK:
                sys.exit(f"polls: wakes {bangun} times in {JEDA} s while it waits")
            return kali + bangun
        time.sleep(0.01)


def ketik_pelan(pid: int, ketikan: bytes, ujung: int, keluaran: int) -> None:
    """Writes what is typed one word at a time, each once the program waits for it with a new
    prompt at the end of its output so far, then ends the input."""
    sudah, sejauh_ini = -1, b""
    for kata in re.split(rb"(?<=\s)(?=\S)", ketikan):
        if (sudah := tunggu_tidur(pid, sudah)) is None:
            break  # the program ended without waiting
        tadi, sejauh_ini = sejauh_ini, os.pread(keluaran, 1 << 20, 0)
        if sejauh_ini == tadi or not sejauh_ini.endswith(AKHIR_PROMPT):
            sys.exit(f"waits for input with no new prompt on screen: {sejauh_ini[-60:]!r}")
        os.write(ujung, kata)
    os.close(ujung)


def jalankan(perintah: list[str], bidang: dict, ketikan: bytes, harapan: bytes):
    """Status, output and standard error of one run. What is typed comes from a file, all of it
    at hand from the start, so that every run sends its output at the same moments, unless the
    transcript names a terminal or a slow pipe for it. The program runs with SIGPIPE and SIGXFSZ
    ignored, as the runner has them, so that a write past a file's limit fails as on a full disk."""
    if bidang["stdout"] == "terbatas":
        perintah = [shutil.which("prlimit"), f"--fsize={len(harapan)}", "--", *perintah]
    berkas = [tempfile.TemporaryFile() for _ in ARAH]  # standard input is what is typed
    os.pwrite(berkas[0].fileno(), ketikan, 0)
    program, jauh = zip(*(aliran(bidang, n, berkas) for n in range(3)))
    # One write to a non-blocking pipe takes what fits: the pipe is then full.
    tumpah = os.write(program[2], bytes(1 << 20)) if jauh[2] is not None else 0
    ujung_program = dict(zip(ARAH, program))
    proses = subprocess.Popen(perintah, env=LINGKUNGAN, restore_signals=False, **ujung_program)
    for ujung in program:
        os.close(ujung)
    batasi_waktu()
    try:
        if bidang["stdin"] == "pipa-lambat":
            ketik_pelan(proses.pid, ketikan, jauh[0], berkas[1].fileno())
        elif "pipa-lambat" in (bidang["stdout"], bidang["stderr"]):
            tunggu_tidur(proses.pid)
        tertulis, pesan = (baca_sampai_habis(ujung) if ujung else b"" for ujung in jauh[1:])
        proses.wait()
    finally:
        signal.setitimer(signal.ITIMER_REAL, 0)
        proses.kill()
    tertulis = tertulis or os.pread(berkas[1].fileno(), 1 << 24, 0)
    return proses.returncode, tertulis, pesan[tumpah:] or os.pread(berkas[2].fileno(), 1 << 24, 0)


def baca_sampai_habis(ujung: int) -> bytes:
    """All that comes through a pipe until it is closed."""
    with os.fdopen(ujung, "rb") as pipa:
        return pipa.read()


def beda(nama: str, tertulis: bytes, harapan: bytes, layar: bytes, kasus: list[str]) -> list[str]:
    """Where the bytes written first differ from those expected, if they do; in a table, at
    which line, since each line's output but the last ends by clearing the screen."""
    i = len(os.path.commonprefix([tertulis, harapan]))
    sekitar = slice(max(0, i - 40), i + 60)
    pesan = f"{nama} differs from byte {i}:\n  written:  {tertulis[sekitar]!r}\n  expected: "
    pesan += repr(harapan[sekitar])
    if kasus:
        pesan += f"\n  in line:  {kasus[harapan[:i].count(layar)]}"
    return [] if tertulis == harapan else [pesan]


def main() -> None:
    jalur, perintah = Path(sys.argv[1]), sys.argv[sys.argv.index("--") + 1 :]
    bidang, windows = baca_transkrip(jalur), sys.argv[2] == "--windows"
    if windows:
        LINGKUNGAN.update(os.environ, WINEDEBUG="-all")
        for teks in ("keluaran", "galat"):
            bidang[teks] = bidang[teks].replace(BERSIHKAN_LAYAR, JEJAK_CLS).replace("$", "^M$")
    harapan, harapan_galat = ke_byte(bidang["keluaran"]), ke_byte(bidang["galat"])
    status, tertulis, galat = jalankan(perintah, bidang, ke_byte(bidang["masukan"]), harapan)

    gagal = [] if str(status) == bidang["status"] else [f"status {status}, not {bidang['status']}"]
    layar = ke_byte(JEJAK_CLS if windows else BERSIHKAN_LAYAR)
    gagal += beda("output", tertulis, harapan, layar, bidang["kasus"])
    gagal += beda("standard error", galat, harapan_galat, layar, [])
    sys.exit("\n".join(f"{jalur.name}: {pesan}" for pesan in gagal) or None)


main()
