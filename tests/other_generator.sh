#!/bin/sh
# other_generator.sh LIBRARY SEED FIND_SEED TESTS: TESTS with LIBRARY preloaded, once FIND_SEED shows
# it took (with it, SEED first draws a ship along row 1); the sanitizers' runtime then comes second.
set -eu
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
found=$(echo 'row 1 from column 1' | LD_PRELOAD="$1" "$3")
[ "$found" = "$2" ] || { echo "the preloaded generator is not the one in use: seed $found, not $2"; exit 1; }
LD_PRELOAD="$1" exec "$4"
