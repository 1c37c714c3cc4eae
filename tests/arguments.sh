#!/bin/sh
# arguments.sh EXPECTED ARGUMENTS COMMAND...: runs COMMAND with the words of
# ARGUMENTS and a line piped in, and compares what it writes, its status,
# its standard error and the input it left unread with the file EXPECTED.
# Where EXPECTED's name ends in _full, what it writes goes to a full disk.
expected=$1 arguments=$2 out=/dev/stdout
shift 2
case $expected in *_full) out=/dev/full ;; esac
echo left | { timeout 10 "$@" $arguments 2>err >"$out"; echo "status $?"; sed 's/^/stderr: /' err; cat; } | diff - "$expected"
