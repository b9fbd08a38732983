"""Prepares a Wine prefix for the Windows suite and keeps its server running, or stops it.

    wine.py siapkan PREFIX [COMSPEC]   create PREFIX if need be and start a persistent server;
                                       with COMSPEC, "system" runs that program instead of cmd.exe
    wine.py hentikan PREFIX            stop the server and every Wine process of PREFIX

Every later start of a program in the prefix is then fast: Wine's first start in a
fresh prefix takes seconds, and a start without a running server takes about one.
"""

import os
import subprocess
import sys
from pathlib import Path

# The .NET and HTML runtimes would ask to be downloaded; the program needs neither.
LINGKUNGAN_WINE = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}


def jalankan(prefix: Path, *perintah: str, wajib: bool = True) -> None:
    """Runs a Wine command with no pipe of ours, which the services it starts would keep open."""
    lingkungan = dict(os.environ, WINEPREFIX=str(prefix), **LINGKUNGAN_WINE)
    subprocess.run(perintah, env=lingkungan, check=wajib, timeout=120,
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def jalur_windows(jalur: Path) -> str:
    """The path under which Wine's drive Z: shows a file of this machine."""
    return "Z:" + str(jalur.resolve()).replace("/", "\\")


def siapkan(prefix: Path, comspec: Path | None) -> None:
    prefix.mkdir(parents=True, exist_ok=True)
    hentikan(prefix)  # a server left over from an interrupted run would refuse -p
    jalankan(prefix, "wineserver", "-p")
    jalankan(prefix, "wineboot", "--init")
    if comspec:
        jalankan(prefix, "wine", "reg", "add", r"HKCU\Environment", "/v", "ComSpec", "/d", jalur_windows(comspec), "/f")


def hentikan(prefix: Path) -> None:
    jalankan(prefix, "wineserver", "-k", wajib=False)


def main() -> int:
    perintah, prefix = sys.argv[1], Path(sys.argv[2])
    if perintah == "siapkan":
        siapkan(prefix, Path(sys.argv[3]) if len(sys.argv) > 3 else None)
    else:
        hentikan(prefix)
    return 0


if __name__ == "__main__":
    sys.exit(main())
