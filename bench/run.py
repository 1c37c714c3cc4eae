#!/usr/bin/env python3
"""Session benchmark: a long scripted session against the built game.

Plays GAMES games at SIZE, each firing at every cell in turn, row by row,
until the ship sinks, with a help screen and an invalid key every tenth
game, then quits. The game's clock is fixed (bench/fixed_time.c, preloaded)
so the script knows where every ship lies. Standard output goes to a file.

It also times the floor: bench/floor.c writing the very same transcript with
one write per line, which is the least the game's flushed lines allow.
Game and floor runs are interleaved; each figure is the best of RUNS.

    python3 bench/run.py [--binary build/hullstrike] [--games 200] [--size 35] [--strace]
"""

import argparse
import ctypes
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
FIXED_TIME = int(re.search(r"#define FIXED_TIME (\d+)",
                           open(os.path.join(HERE, "fixed_time.c")).read()).group(1))


def script(games, size):
    """The session's input, from the generator sequence the fixed clock gives."""
    libc = ctypes.CDLL(None)
    libc.srand(FIXED_TIME)
    order = [(a, d) for d in range(1, size + 1) for a in range(1, size + 1)]
    parts = []
    for game in range(games):
        direction, start, line = libc.rand() % 4, libc.rand() % 6, libc.rand() % 10
        if direction % 2 == 0:
            ship = {(line + 1, start + k + 1) for k in range(4)}
        else:
            ship = {(start + k + 1, line + 1) for k in range(4)}
        last = max(order.index(cell) for cell in ship)
        parts.append("1\n" + "".join(f"{a}\n{d}\n" for a, d in order[:last + 1]) + "\n")
        if game % 10 == 9:
            parts.append("h\n\nx\n")
    return ("".join(parts) + "q\n").encode()


def run(command, stdin_path, stdout_path, env=None):
    """Runs command once; returns the seconds it took."""
    with open(stdin_path, "rb") as stdin, open(stdout_path, "wb") as stdout:
        started = time.perf_counter()
        status = subprocess.run(command, stdin=stdin, stdout=stdout, env=env).returncode
        elapsed = time.perf_counter() - started
    if status != 0:
        sys.exit(f"{command[0]} exited {status}")
    return elapsed


def peak_memory(command, stdin_path, env):
    """The peak resident KiB of one run. A child forked from this Python
    process would count Python's own pages, so GNU time, a small program,
    starts it instead."""
    if not os.access("/usr/bin/time", os.X_OK):
        return None
    with tempfile.NamedTemporaryFile("r") as report, open(stdin_path, "rb") as stdin:
        subprocess.run(["/usr/bin/time", "-o", report.name, "-f", "%M"] + command, stdin=stdin,
                       stdout=subprocess.DEVNULL, env=env, check=True)
        return int(report.read().split()[-1])


def count_writes(command, stdin_path, env):
    if not shutil.which("strace"):
        return None
    with tempfile.NamedTemporaryFile() as log, open(stdin_path, "rb") as stdin:
        subprocess.run(["strace", "-f", "-c", "-e", "trace=write", "-o", log.name] + command,
                       stdin=stdin, stdout=subprocess.DEVNULL, env=env, check=True)
        for line in open(log.name):
            fields = line.split()
            if fields and fields[-1] == "write":
                return int(fields[3])
    return 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--binary", default="build/hullstrike")
    parser.add_argument("--games", type=int, default=200)
    parser.add_argument("--size", type=int, default=35)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--strace", action="store_true", help="also count the write calls")
    args = parser.parse_args()
    binary = os.path.abspath(args.binary)
    cc = shutil.which("cc") or shutil.which("gcc")

    with tempfile.TemporaryDirectory(prefix="hullstrike-bench-") as work:
        shim, floor = os.path.join(work, "fixed_time.so"), os.path.join(work, "floor")
        subprocess.run([cc, "-O2", "-shared", "-fPIC", "-o", shim,
                        os.path.join(HERE, "fixed_time.c")], check=True)
        subprocess.run([cc, "-O2", "-o", floor, os.path.join(HERE, "floor.c")], check=True)
        with open(os.path.join(work, "GameData.txt"), "w") as f:
            f.write(f"{args.size} {args.size} {args.size}\n")
        stdin_path = os.path.join(work, "input")
        with open(stdin_path, "wb") as f:
            f.write(script(args.games, args.size))
        env = dict(os.environ, LD_PRELOAD=shim)
        transcript = os.path.join(work, "transcript")
        os.chdir(work)

        # The game's own output on this input is what the floor writes.
        run([binary], stdin_path, transcript, env)
        text = open(transcript, "rb").read()
        sunk = text.count(b"You sunk my ship!")
        if sunk != args.games or not text.endswith(b"Thank you for playing.\nGoodbye.\n\n"):
            sys.exit(f"the session went wrong: {sunk} of {args.games} games sunk")

        game_times, floor_times = [], []
        for _ in range(args.runs):
            game_times.append(run([binary], stdin_path, "game.out", env))
            floor_times.append(run([floor, transcript], stdin_path, "floor.out"))
        if open("floor.out", "rb").read() != text or open("game.out", "rb").read() != text:
            sys.exit("a run wrote something else")
        peak = peak_memory([binary], stdin_path, env)
        writes = count_writes([binary], stdin_path, env) if args.strace else None

    game, least = min(game_times), min(floor_times)
    lines = text.count(b"\n")
    print(f"session: {args.games} games at size {args.size}, {len(text):,} bytes, {lines:,} lines")
    print(f"game:    {game:.3f} s ({1000 * game / args.games:.2f} ms a game), best of {args.runs}")
    print(f"floor:   {least:.3f} s (one write per line)")
    print(f"ratio:   {game / least:.2f}")
    print(f"peak resident memory: {peak / 1024:.2f} MiB" if peak else "peak memory: (no GNU time)")
    if writes is not None:
        print(f"write calls: {writes:,}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
