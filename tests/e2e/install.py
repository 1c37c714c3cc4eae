#!/usr/bin/env python3
"""Installs the build into a temporary prefix and checks what lands there:
the program, its manual page and the default settings file, and that the
installed program plays from a directory holding that file."""

import os
import subprocess
import sys
import tempfile

from harness import FAREWELL, run_game

EXPECTED = ["bin/hullstrike", "share/man/man6/hullstrike.6",
            "share/doc/hullstrike/GameData.txt", "share/doc/hullstrike/README.md"]


def main(cmake, build_dir):
    with tempfile.TemporaryDirectory(prefix="hullstrike-install-") as prefix:
        subprocess.run([cmake, "--install", build_dir, "--prefix", prefix], check=True,
                       stdout=subprocess.DEVNULL)
        landed = sorted(os.path.relpath(os.path.join(d, f), prefix)
                        for d, _, files in os.walk(prefix) for f in files)
        assert landed == sorted(EXPECTED), landed
        assert os.access(os.path.join(prefix, "bin/hullstrike"), os.X_OK)
        settings = open(os.path.join(prefix, "share/doc/hullstrike/GameData.txt"), "rb").read()
        assert settings.split() == [b"10", b"15", b"20"], settings
        status, out, err = run_game(os.path.join(prefix, "bin/hullstrike"), b"h\n\nq\n", settings)
        assert (status, err) == (0, b"") and out.endswith(FAREWELL), (status, err)
        assert b"\t\tHard will be a grid of 20 x 20\n" in out
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
