#!/usr/bin/env python3
"""Plays one size-10 game with the real clock's seed, firing at every cell
of the 10 by 10 square in turn, row by row, until the ship is sunk. Checks
that the count of shots is where the fourth hit fell in that order, and
that the last board shows one straight four-cell ship and a miss on every
other cell fired at."""

import os
import sys
import tempfile

from harness import FAREWELL, MENU_PROMPT, Player, sweep_game

SIZE = 10
DIVIDER = b"  /" + b"--" * SIZE + b"\n"
ORDER = [(across, down) for down in range(1, SIZE + 1) for across in range(1, SIZE + 1)]


def last_board(transcript):
    """The cells of the last drawing, as board[down - 1][across - 1]."""
    rows = transcript[transcript.rindex(DIVIDER) + len(DIVIDER):].split(b"\n")[:SIZE]
    for number, row in enumerate(rows, start=1):
        assert row.startswith(b"%2d|" % number) and row.endswith(b" "), row
    return [row[3:-1].split(b" ") for row in rows]


def main(binary):
    with tempfile.TemporaryDirectory(prefix="hullstrike-sweep-") as workdir:
        with open(f"{workdir}/GameData.txt", "wb") as f:
            f.write(b"10 15 20\n")
        player = Player([os.path.abspath(binary)], workdir)
        player.read_until(MENU_PROMPT)
        player.type(b"1\n")
        transcript, fired = sweep_game(player, SIZE)
        player.type(b"\nq\n")
        status, rest, err = player.finish()

    board = last_board(transcript)
    hits = [(a, d) for a, d in ORDER if board[d - 1][a - 1] == b"X"]
    assert len(hits) == 4, board
    assert transcript.count(b"Enter coordinates\n") == fired
    assert ORDER.index(hits[-1]) + 1 == fired, (hits, fired)
    assert b"It took you %d shots to sink it.\n" % fired in transcript
    across = {a for a, _ in hits}
    down = {d for _, d in hits}
    straight = (len(across) == 1 and sorted(down) == list(range(min(down), min(down) + 4))) or (
        len(down) == 1 and sorted(across) == list(range(min(across), min(across) + 4)))
    assert straight and max(across | down) <= 10, hits
    for number, (a, d) in enumerate(ORDER, start=1):
        expected = b"X" if (a, d) in hits else b"*" if number <= fired else b"."
        assert board[d - 1][a - 1] == expected, (a, d, board)
    assert (status, err) == (0, b""), (status, err)
    assert rest.endswith(FAREWELL), rest[-100:]
    print(f"sunk in {fired} shots: 1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
