#!/usr/bin/env python3
"""Plays one whole session under valgrind's memcheck: a game to the end,
a level the boards cannot hold, the help screen, an invalid key and Quit.
Any error valgrind finds, leaks included, fails the test."""

import os
import sys
import tempfile

from harness import FAREWELL, MENU_PROMPT, PAUSE_PROMPT, Player, sweep_game


def main(valgrind, binary):
    with tempfile.TemporaryDirectory(prefix="hullstrike-memcheck-") as workdir:
        with open(os.path.join(workdir, "GameData.txt"), "wb") as f:
            f.write(b"10 0 20\n")
        command = [valgrind, "-q", "--error-exitcode=99", "--leak-check=full",
                   "--errors-for-leak-kinds=definite,indirect", os.path.abspath(binary)]
        player = Player(command, workdir, time_limit=120)
        player.read_until(MENU_PROMPT)
        player.type(b"1\n")
        sweep_game(player, 10)
        player.type(b"\n")
        for key in (b"2\n", b"x\n", b"h\n"):
            player.read_until(MENU_PROMPT)
            player.type(key)
        player.read_until(PAUSE_PROMPT)
        player.type(b"\n")
        player.read_until(MENU_PROMPT)
        player.type(b"q\n")
        status, rest, err = player.finish()
    assert status == 0 and err == b"", (status, err.decode(errors="replace"))
    assert rest.endswith(FAREWELL), rest[-100:]
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
