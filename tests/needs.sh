#!/bin/sh
# needs.sh TOOL PACKAGE COMMAND...: runs COMMAND where the program TOOL is found;
# elsewhere says what to install and exits 77, which the tests take as Skipped.
command -v "$1" >/dev/null || { echo "$1 not found: skipped (Debian: apt-get install $2)"; exit 77; }
shift 2
exec "$@"
