"""In a real pseudo-terminal: every prompt is on screen before the program waits
for its answer, "y" clears the screen before the menu comes again, and "n" ends
the program with status 0."""

import os
import pty
import select
import sys
import time

import transkrip

BERSIHKAN_LAYAR = transkrip.ke_byte(transkrip.BERSIHKAN_LAYAR)
BATAS_WAKTU = 5


class Layar:
    """What the program has written to the terminal, read in order."""

    def __init__(self, fd: int):
        self.fd = fd
        self.tampil = b""

    def tunggu(self, harapan: bytes) -> None:
        """Reads until `harapan` shows after what was already matched; no input is typed meanwhile."""
        akhir = time.monotonic() + BATAS_WAKTU
        while harapan not in self.tampil:
            sisa_waktu = akhir - time.monotonic()
            siap, _, _ = select.select([self.fd], [], [], max(sisa_waktu, 0))
            potongan = os.read(self.fd, 4096) if siap else b""
            if not potongan:
                raise AssertionError(f"{harapan!r} is not on screen; it ends with {self.tampil[-120:]!r}")
            self.tampil += potongan
        self.tampil = self.tampil[self.tampil.index(harapan) + len(harapan):]


def main() -> int:
    program = sys.argv[1]
    pid, fd = pty.fork()
    if pid == 0:
        os.execv(program, [program])
    layar = Layar(fd)

    layar.tunggu(b"Masukkan Pilihan : ")
    os.write(fd, b"a\n")
    layar.tunggu(b"Masukkan bilangan desimal : ")
    os.write(fd, b"255\n")
    layar.tunggu(b"Hasil heksadesimal : FF")
    layar.tunggu(b"Ingin coba lagi (Y/N) ? ")
    os.write(fd, b"y\n")
    layar.tunggu(BERSIHKAN_LAYAR + b"Program Tavirel")
    layar.tunggu(b"Masukkan Pilihan : ")
    os.write(fd, b"d\n")
    layar.tunggu(b"Masukkan bilangan hexadesimal : ")
    os.write(fd, b"ff\n")
    layar.tunggu(b"Ingin coba lagi (Y/N) ? ")
    os.write(fd, b"n\n")

    _, status = os.waitpid(pid, 0)
    kode = os.waitstatus_to_exitcode(status)
    if kode != 0:
        print(f"ended with status {kode}, expected 0")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
