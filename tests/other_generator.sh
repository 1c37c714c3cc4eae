#!/bin/sh
# other_generator.sh LIBRARY FIND_SEED TESTS: TESTS with LIBRARY preloaded, once
# FIND_SEED shows the preload took (another seed than the C library's).
set -eu
own=$(echo 'row 1 from column 1' | "$2")
other=$(echo 'row 1 from column 1' | LD_PRELOAD="$1" "$2")
[ "$own" != "$other" ] || { echo "the preloaded generator is not the one in use: seed $own both times"; exit 1; }
LD_PRELOAD="$1" exec "$3"
