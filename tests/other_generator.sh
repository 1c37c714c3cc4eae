#!/bin/sh
# other_generator.sh LIBRARY FIND_SEED TESTS: the whole test program with
# another generator preloaded in place of the C library's. The seed that
# hides a ship along row 1 must then differ from the one the C library's
# own generator gives, or the preload did not take.
set -eu
own=$(echo 'row 1 from column 1' | "$2")
other=$(echo 'row 1 from column 1' | LD_PRELOAD="$1" "$2")
if [ "$own" = "$other" ]; then
    echo "the preloaded generator is not the one in use: seed $own both times"
    exit 1
fi
LD_PRELOAD="$1" exec "$3"
