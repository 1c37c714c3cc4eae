#!/bin/sh
# needs.sh TOOL PACKAGE COMMAND...: COMMAND, or where TOOL is missing exit 77 (Skipped).
command -v "$1" >/dev/null || { echo "$1 not found: skipped (Debian: apt-get install $2)"; exit 77; }
shift 2
exec "$@"
