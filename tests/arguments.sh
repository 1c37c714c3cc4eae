#!/bin/sh
# arguments.sh EXPECTED ARGUMENTS COMMAND...: compares what COMMAND, run with the
# words of ARGUMENTS and a line piped in, writes (to a full disk where EXPECTED
# ends in _full), its status, its standard error and the input it left unread.
expected=$1 arguments=$2 out=/dev/stdout
shift 2
case $expected in *_full) out=/dev/full ;; esac
echo left | { timeout 10 "$@" $arguments 2>err >"$out"; echo "status $?"; sed 's/^/stderr: /' err; cat; } | diff - "$expected"
