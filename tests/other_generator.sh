#!/bin/sh
# other_generator.sh LIBRARY FIND_SEED TESTS: the test program with LIBRARY's
# generator preloaded, which must give another seed for a ship along row 1
# than the C library's own, or the preload did not take.
set -eu
own=$(echo 'row 1 from column 1' | "$2")
other=$(echo 'row 1 from column 1' | LD_PRELOAD="$1" "$2")
[ "$own" != "$other" ] || { echo "the preloaded generator is not the one in use: seed $own both times"; exit 1; }
LD_PRELOAD="$1" exec "$3"
