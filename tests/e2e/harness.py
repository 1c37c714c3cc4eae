"""Running the built game the way players and scripts do: in a directory of
its own, with scripted standard input, and a time limit."""

import os
import select
import shutil
import subprocess
import tempfile
import time

FAREWELL = b"\nThank you for playing.\nGoodbye.\n\n"
MENU_PROMPT = b"Please enter your choice: "
PAUSE_PROMPT = b'Press the "Enter" key to continue . . . '
TIME_LIMIT = 20


def run_game(binary, stdin, settings=None, time_limit=TIME_LIMIT, env=None):
    """Runs the game on stdin (bytes) with "GameData.txt" holding settings
    (bytes, or None for no file). Returns (exit status, stdout, stderr)."""
    workdir = tempfile.mkdtemp(prefix="hullstrike-e2e-")
    try:
        if settings is not None:
            with open(os.path.join(workdir, "GameData.txt"), "wb") as f:
                f.write(settings)
        done = subprocess.run([os.path.abspath(binary)], input=stdin, capture_output=True,
                              cwd=workdir, timeout=time_limit, env=env)
        return done.returncode, done.stdout, done.stderr
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


class Player:
    """Plays the game one answer at a time, reading its output up to each
    prompt before answering. Through pipes by default; with terminal=True
    the game runs on a pseudo-terminal, as it does for a person."""

    def __init__(self, command, workdir, terminal=False, time_limit=TIME_LIMIT):
        self.deadline = time.monotonic() + time_limit
        self.seen = b""
        if terminal:
            import pty

            self.master, slave = pty.openpty()
            self.proc = subprocess.Popen(command, stdin=slave, stdout=slave, stderr=slave,
                                         cwd=workdir, start_new_session=True)
            os.close(slave)
            self.read_fd = self.write_fd = self.master
        else:
            self.master = None
            self.proc = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                         stderr=subprocess.PIPE, cwd=workdir)
            self.read_fd = self.proc.stdout.fileno()
            self.write_fd = self.proc.stdin.fileno()

    def read_until(self, *markers):
        """Returns the output up to and including the first of the markers to appear."""
        while not any(m in self.seen for m in markers):
            left = self.deadline - time.monotonic()
            ready, _, _ = select.select([self.read_fd], [], [], max(left, 0))
            try:
                chunk = os.read(self.read_fd, 65536) if ready else b""
            except OSError:  # a pseudo-terminal whose program has gone
                chunk = b""
            if not chunk:
                self.proc.kill()
                err = self.proc.stderr.read()[-2000:] if self.proc.stderr else b""
                raise AssertionError(f"no {markers!r} in time; last output {self.seen[-300:]!r}"
                                     f"; stderr {err!r}")
            self.seen += chunk
        upto = min(self.seen.index(m) + len(m) for m in markers if m in self.seen)
        text, self.seen = self.seen[:upto], self.seen[upto:]
        return text

    def type(self, text):
        os.write(self.write_fd, text)

    def finish(self):
        """Ends the input (through pipes) and waits for the program to end.
        Returns (exit status, the rest of its output, what it wrote to stderr)."""
        left = max(self.deadline - time.monotonic(), 1)
        if self.master is not None:
            rest = self.read_until(FAREWELL.replace(b"\n", b"\r\n"))
            status = self.proc.wait(timeout=left)
            os.close(self.master)
            return status, rest, b""
        try:
            out, err = self.proc.communicate(timeout=left)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            raise
        return self.proc.returncode, self.seen + out, err


def sweep_game(player, size, line_end=b"\n"):
    """Fires at every cell of the first rows of a size by size grid in turn,
    row by row, from the first "Across: " until the ship is sunk. Returns
    the game's output and the number of shots fired."""
    order = [(a, d) for d in range(1, size + 1) for a in range(1, size + 1)]
    transcript = player.read_until(b"Across: ")
    fired = 0
    while not transcript.endswith(PAUSE_PROMPT):
        across, down = order[fired]
        fired += 1
        player.type(b"%d" % across + line_end)
        transcript += player.read_until(b"Down: ")
        player.type(b"%d" % down + line_end)
        transcript += player.read_until(b"Across: ", PAUSE_PROMPT)
    return transcript, fired
