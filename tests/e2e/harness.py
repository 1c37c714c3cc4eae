"""Running the built game the way players and scripts do: in a directory of
its own, with scripted standard input, and a time limit."""

import os
import select
import shutil
import subprocess
import tempfile
import time

FAREWELL = b"\nThank you for playing.\nGoodbye.\n\n"
TIME_LIMIT = 20


def run_game(binary, stdin, settings=None, time_limit=TIME_LIMIT, workdir=None):
    """Runs the game on stdin (bytes) with "GameData.txt" holding settings
    (bytes, or None for no file). Returns (exit status, stdout, stderr)."""
    own_dir = workdir is None
    workdir = workdir or tempfile.mkdtemp(prefix="hullstrike-e2e-")
    try:
        if settings is not None:
            with open(os.path.join(workdir, "GameData.txt"), "wb") as f:
                f.write(settings)
        done = subprocess.run([os.path.abspath(binary)], input=stdin, capture_output=True,
                              cwd=workdir, timeout=time_limit)
        return done.returncode, done.stdout, done.stderr
    finally:
        if own_dir:
            shutil.rmtree(workdir, ignore_errors=True)


class Player:
    """Plays the game through pipes one answer at a time, reading the
    program's output up to each prompt before answering it."""

    def __init__(self, binary, workdir):
        self.proc = subprocess.Popen([os.path.abspath(binary)], stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=subprocess.PIPE, cwd=workdir)
        self.seen = b""
        self.deadline = time.monotonic() + TIME_LIMIT

    def read_until(self, *markers):
        """Returns the output up to and including the first of the markers to appear."""
        while not any(m in self.seen for m in markers):
            left = self.deadline - time.monotonic()
            ready, _, _ = select.select([self.proc.stdout], [], [], max(left, 0))
            chunk = os.read(self.proc.stdout.fileno(), 65536) if ready else b""
            if not chunk:
                self.proc.kill()
                raise AssertionError(f"no {markers!r} in time; last output {self.seen[-300:]!r}")
            self.seen += chunk
        upto = min(self.seen.index(m) + len(m) for m in markers if m in self.seen)
        text, self.seen = self.seen[:upto], self.seen[upto:]
        return text

    def type(self, text):
        self.proc.stdin.write(text)
        self.proc.stdin.flush()

    def finish(self):
        """Ends the input and returns (exit status, the rest of the output, stderr)."""
        try:
            out, err = self.proc.communicate(timeout=max(self.deadline - time.monotonic(), 1))
        except subprocess.TimeoutExpired:
            self.proc.kill()
            raise
        return self.proc.returncode, self.seen + out, err
