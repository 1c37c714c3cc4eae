#!/usr/bin/env python3
"""Runs the built game on many generated sessions, each in a directory of
its own with a settings file drawn at random, and checks that every one
ends by itself, exits 0, writes nothing to standard error and ends its
output with the farewell.

A case is reproduced from the seed and the case number printed on failure:
    fuzz.py BINARY --seed S --first N --sessions 1 --keep DIR
"""

import argparse
import concurrent.futures
import os
import random
import subprocess
import sys
import time

from harness import FAREWELL, run_game

SIZE_TOKENS = ["0", "-1", "-35", "1", "2", "3", "4", "5", "7", "9", "10", "12", "15", "20",
               "35", "36", "100", "+10", "2147483647", "-2147483648", "2147483648",
               "99999999999", "abc", "x7", "1.5", ""]
MENU_KEYS = list("123123123hHqQ") + list("0456789enxz!?@+-. ")
SEPARATORS = [" ", "\n", "\t", "  ", "\n\n", "\r\n", " \t \n"]


def draw_settings(rng):
    """A "GameData.txt", or None for no file at all."""
    kind = rng.random()
    if kind < 0.08:
        return None
    if kind < 0.12:
        return b""
    if kind < 0.16:
        return bytes(rng.randrange(256) for _ in range(rng.randrange(1, 12)))
    if kind < 0.55:  # mostly small, playable sizes so that games get played to the end
        sizes = [str(rng.choice([1, 2, 3, 4, 5, 10, 12])) for _ in range(3)]
    else:
        sizes = [rng.choice(SIZE_TOKENS) for _ in range(rng.randrange(0, 4))]
    text = "".join(rng.choice(SEPARATORS) + s for s in sizes)
    if rng.random() < 0.3:
        text += rng.choice([" extra text", " 7 8 9", "\n#comment", "x"])
    return text.encode()


def draw_answer(rng, size_hint):
    """One thing a player or a script might type at any prompt."""
    kind = rng.random()
    if kind < 0.04:  # every cell of the ten rows and columns the ship lies in
        return "\n".join(f"{a}\n{d}" for d in range(1, 11) for a in range(1, 11))
    if kind < 0.35:
        return str(rng.randint(1, size_hint))
    if kind < 0.55:
        return rng.choice(MENU_KEYS)
    if kind < 0.65:
        return rng.choice(["0", "-1", "-7", "+3", "36", str(size_hint + 1), "2147483647",
                           "2147483648", "-2147483649", "99999999999999999999"])
    if kind < 0.75:
        return rng.choice(["abc", "x", "3x", "x3", "-", "+", "1 2", "4 5 6", "1e3", "0x1f"])
    if kind < 0.85:
        return rng.choice(["", " ", "\t", "   \t  "])
    if kind < 0.92:
        return bytes(rng.randrange(256) for _ in range(rng.randrange(1, 6))).decode("latin-1")
    return "\n".join(str(rng.randint(1, size_hint)) for _ in range(rng.randrange(2, 40)))


def draw_input(rng):
    size_hint = rng.choice([1, 2, 3, 4, 5, 10, 35])
    answers = [draw_answer(rng, size_hint) for _ in range(rng.randrange(0, 120))]
    text = "".join(a + rng.choice(["\n", "\n", "\n", " ", "\r\n", "\t"]) for a in answers)
    data = text.encode("latin-1")
    if rng.random() < 0.5:  # the input may end anywhere, even inside a line
        data = data[: rng.randrange(len(data) + 1)]
    return data


def run_case(binary, seed, number, time_limit, keep):
    rng = random.Random(f"{seed}:{number}")
    settings = draw_settings(rng)
    stdin = draw_input(rng)
    if keep:
        os.makedirs(keep, exist_ok=True)
        open(os.path.join(keep, "input"), "wb").write(stdin)
        if settings is not None:
            open(os.path.join(keep, "GameData.txt"), "wb").write(settings)
    # LeakSanitizer's check at exit costs more than a whole session, so it
    # runs on one case in eight (memcheck and the in-process tests cover the rest).
    env = dict(os.environ)
    if number % 8:
        env["ASAN_OPTIONS"] = env.get("ASAN_OPTIONS", "") + ":detect_leaks=0"
    try:
        status, out, err = run_game(binary, stdin, settings, time_limit, env)
    except subprocess.TimeoutExpired:
        return f"case {number}: no end within {time_limit} s"
    if status != 0 or err or not out.endswith(FAREWELL):
        return f"case {number}: exit {status}, stderr {err[:2000]!r}, output ends {out[-80:]!r}"
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("binary")
    parser.add_argument("--sessions", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=20261207)
    parser.add_argument("--first", type=int, default=0, help="number of the first case")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--time-limit", type=float, default=5)
    parser.add_argument("--keep", help="write the case's input and GameData.txt here")
    args = parser.parse_args()

    binary = os.path.abspath(args.binary)
    started = time.monotonic()
    numbers = range(args.first, args.first + args.sessions)
    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        results = list(pool.map(lambda n: run_case(binary, args.seed, n, args.time_limit,
                                                   args.keep), numbers))
    failures = [r for r in results if r]
    for failure in failures[:20]:
        print(f"FAIL seed {args.seed} {failure}")
    print(f"seed {args.seed}, {args.sessions} sessions in {time.monotonic() - started:.1f} s")
    print(f"{args.sessions - len(failures)} passed, {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
