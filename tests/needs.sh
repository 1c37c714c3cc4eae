#!/bin/sh
# needs.sh TOOL PACKAGE COMMAND...: COMMAND, or where TOOL is missing exit 77
# (Skipped). The other scripts source it for "needs TOOL PACKAGE" alone.
needs() { command -v "$1" > /dev/null || { echo "$1 not found: skipped (Debian: apt-get install $2)"; exit 77; }; }
case $0 in *needs.sh) needs "$1" "$2" && shift 2 && exec "$@" ;; esac
