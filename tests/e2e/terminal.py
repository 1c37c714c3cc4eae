#!/usr/bin/env python3
"""Plays one size-10 game on a pseudo-terminal, as a person would: every
board is drawn at the top of a cleared screen, every prompt is on screen
before the game waits for its answer, and Quit ends with exit status 0."""

import os
import sys
import tempfile

from harness import MENU_PROMPT, PAUSE_PROMPT, Player, sweep_game

CLEAR = b"\x1b[H\x1b[2J"
HEADER = b"   1 2 3 4 5 6 7 8 9 10\r\n"


def main(binary):
    try:
        import pty  # noqa: F401  (only on Unix-like systems)
    except ImportError:
        print("skipped: no pseudo-terminals here")
        return 77
    with tempfile.TemporaryDirectory(prefix="hullstrike-tty-") as workdir:
        with open(os.path.join(workdir, "GameData.txt"), "wb") as f:
            f.write(b"10 15 20\n")
        # Each read_until below returns only once the prompt has reached the
        # screen, with nothing typed yet: a prompt held back would time out.
        player = Player([os.path.abspath(binary)], workdir, terminal=True)
        menu = player.read_until(MENU_PROMPT)
        assert CLEAR not in menu, menu
        player.type(b"1\r")
        transcript, fired = sweep_game(player, 10, line_end=b"\r")
        player.type(b"\r")
        player.read_until(MENU_PROMPT)
        player.type(b"q\r")
        status, _, _ = player.finish()

    drawings = transcript.count(HEADER)
    assert drawings == fired + 1, (drawings, fired)
    assert transcript.count(CLEAR + HEADER) == drawings, transcript[:400]
    assert transcript.count(CLEAR) == drawings
    assert PAUSE_PROMPT in transcript
    assert status == 0, status
    print(f"{drawings} drawings, each on a cleared screen: 1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
