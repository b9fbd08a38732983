"""Installs the build into a new prefix as a user would, and checks what lands there: exactly
the program, its manual page and the README, where GNUInstallDirs puts them; the manual page
that man shows without a warning; the installed program through one dialogue; and that the
files the install manifest lists are all there is to remove.

    pasang.py CMAKE BUILD TRANSCRIPT
"""

import os
import subprocess
import sys
import tempfile
from pathlib import Path

DIPASANG = {"bin/tavirel", "share/man/man1/tavirel.1.gz", "share/doc/tavirel/README.md"}


def main() -> int:
    cmake, build, transkrip = sys.argv[1], Path(sys.argv[2]), sys.argv[3]
    with tempfile.TemporaryDirectory() as prefix:
        subprocess.run([cmake, "--install", build, "--prefix", prefix], check=True, stdout=subprocess.DEVNULL)
        berkas = {str(p.relative_to(prefix)) for p in Path(prefix).rglob("*") if p.is_file()}
        manifes = {str(Path(p).relative_to(prefix)) for p in (build / "install_manifest.txt").read_text().split()}
        man = subprocess.run(["man", "--warnings", "-l", f"{prefix}/share/man/man1/tavirel.1.gz"],
                             env=dict(os.environ, MANWIDTH="80"), capture_output=True, text=True)
        dialog = subprocess.run([sys.executable, Path(__file__).with_name("transkrip.py"), transkrip, "--",
                                 f"{prefix}/bin/tavirel"], capture_output=True, text=True)
    sifat = {
        f"installs exactly {sorted(DIPASANG)}, not {sorted(berkas)}": berkas == DIPASANG,
        "lists in its manifest what it installs": manifes == berkas,
        f"has a manual page that man shows without warnings: {man.stderr}": man.returncode == 0 and not man.stderr,
        f"runs as installed: {dialog.stdout}": dialog.returncode == 0,
    }
    gagal = [f"the installation should be so but is not: it {nama}" for nama, benar in sifat.items() if not benar]
    print("\n".join(gagal))
    return 1 if gagal else 0


if __name__ == "__main__":
    sys.exit(main())
