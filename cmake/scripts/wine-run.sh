#!/bin/sh
# wine-run.sh WINE PROGRAM.exe [ARGUMENT...]: runs a Windows program with the
# wine loader WINE. The cross build's CMAKE_CROSSCOMPILING_EMULATOR, so that
# ctest runs the tests (and lists them) through it.
#
# The first wine program in a prefix starts the wine server and the Windows
# services, and these keep that program's standard output and error open
# until the server quits, seconds after the program. Whoever reads them, as
# ctest does, waits that long, and for ever when the server is persistent.
# So the server is started here first, without standard streams, and kept
# for half a minute after the last program; wineboot then starts the
# services, again without them. The lock makes programs started together
# (ctest -j) wait for that instead of racing it.
set -eu
wine=$1
shift
export WINEDEBUG="${WINEDEBUG:--all}"
prefix="${WINEPREFIX:-$HOME/.wine}"
wineserver="$(dirname "$wine")/wineserver"
[ -x "$wineserver" ] || wineserver=wineserver

mkdir -p "$prefix" # the server will not start without it
(
    flock 9
    # Exits at once with status 0 after starting a server, 2 when one runs.
    # Neither the server nor the services may inherit the lock either.
    if "$wineserver" -p30 </dev/null >/dev/null 2>&1 9>&-; then
        "$wine" wineboot </dev/null >/dev/null 2>&1 9>&-
    fi
) 9>"$prefix.lock"
exec "$wine" "$@"
