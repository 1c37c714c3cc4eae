#!/usr/bin/env python3
"""Edits "GameData.txt" while the game waits at its menu, then removes it:
the next key already sees the new sizes, and after the removal the last
ones loaded stay in force."""

import os
import sys
import tempfile

from harness import FAREWELL, MENU_PROMPT, PAUSE_PROMPT, Player


def easy_line(size):
    return b"\t\tEasy will be a grid of %d x %d\n" % (size, size)


def main(binary):
    with tempfile.TemporaryDirectory(prefix="hullstrike-edit-") as workdir:
        settings = os.path.join(workdir, "GameData.txt")
        with open(settings, "wb") as f:
            f.write(b"10 15 20\n")
        player = Player([os.path.abspath(binary)], workdir)
        screens = []
        for edit in (b"11 12 13\n", None, b"x\n"):
            player.read_until(MENU_PROMPT)
            player.type(b"h\n")
            screens.append(player.read_until(PAUSE_PROMPT))
            player.type(b"\n")
            player.read_until(MENU_PROMPT)
            if edit is None:
                os.remove(settings)
            else:
                with open(settings, "wb") as f:
                    f.write(edit)
            player.type(b"h\n")
            screens.append(player.read_until(PAUSE_PROMPT))
            player.type(b"\n")
        player.type(b"q\n")
        status, rest, err = player.finish()

    expected = [10, 11, 11, 11, 11, 11]
    for screen, size in zip(screens, expected):
        assert easy_line(size) in screen, (size, screen)
    assert (status, err) == (0, b"") and rest.endswith(FAREWELL), (status, err, rest[-100:])
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
