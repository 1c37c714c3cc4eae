#!/bin/sh
# arguments.sh EXPECTED ARGUMENTS COMMAND...: output (to a full disk for *_full),
# status, standard error and the input left unread, compared with EXPECTED (a
# Windows program's CR LF taken as a line end).
expected=$1 arguments=$2 out=/dev/stdout cr=
shift 2
case $expected in *_full) out=/dev/full ;; esac
case $* in *.exe) cr='\r' ;; esac
echo left | { timeout 10 "$@" $arguments 2>err >"$out"; echo "status $?"; sed 's/^/stderr: /' err; cat; } | sed "s/$cr\$//" | diff - "$expected"
