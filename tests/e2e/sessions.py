#!/usr/bin/env python3
"""Runs the built game on every recorded session that needs no known seed
(tests/sessions/NAME without a "seed" file) and compares the whole
transcript, the exit status and standard error."""

import os
import sys

from harness import run_game


def main(binary, sessions):
    failures = 0
    checked = 0
    for name in sorted(os.listdir(sessions)):
        case = os.path.join(sessions, name)
        if os.path.exists(os.path.join(case, "seed")):
            continue  # its games score shots: only the in-process run knows the seed
        settings_path = os.path.join(case, "GameData.txt")
        settings = open(settings_path, "rb").read() if os.path.exists(settings_path) else None
        stdin = open(os.path.join(case, "input"), "rb").read()
        expected = open(os.path.join(case, "expected"), "rb").read()
        status, out, err = run_game(binary, stdin, settings)
        checked += 1
        if (status, out, err) != (0, expected, b""):
            failures += 1
            print(f"FAIL {name}: exit {status}, stderr {err!r}")
            if out != expected:
                print(f"  expected {expected[-200:]!r}\n  got      {out[-200:]!r}")
    print(f"{checked - failures} passed, {failures} failed")
    return 1 if failures or not checked else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
