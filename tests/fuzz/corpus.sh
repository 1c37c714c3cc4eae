#!/usr/bin/env bash
# The fuzz target's corpus. With no argument, writes its seed files into
# tests/fuzz/corpus: the recorded sessions, each twice (input from a string,
# then from a file), and a few hand-made edge cases; other files there (a
# longer run's finds, fixed failures) stay. With the fuzz target and
# folders of inputs (a longer run's corpus), adds those that reach code the
# corpus does not yet, minimised:
#   tests/fuzz/corpus.sh build-fuzz/tests/fuzz/hullstrike_fuzz FOLDER...
set -euo pipefail
cd "$(dirname "$0")"
if [ $# -gt 0 ]; then
    exec "$1" -merge=1 -dict=hullstrike.dict corpus "${@:2}"
fi
mkdir -p corpus
# An input: the seed byte, the settings file and a NUL (none: no settings
# file), then what is typed.
add() { { printf "$2" && printf '\0' && printf "$3"; } > "corpus/$1"; }
for session in ../sessions/*/; do
    name=$(basename "$session")
    seed=$(awk '$1 == "glibc" { print $2 }' "$session/seed" 2>/dev/null || true)
    for mode in 0 128; do
        {
            printf "\\$(printf %03o $((${seed:-0} + mode)))"
            if [ -f "$session/GameData.txt" ]; then cat "$session/GameData.txt" && printf '\0'; fi
            cat "$session/input"
        } > "corpus/$name.$mode"
    done
done
add sizes_0 '\031''0 0 0' '1\n2\n3\nh\n\nq\n'
add sizes_1 '\231''1 1 1' '1\n1\n1\n1\n1\n2\n0\n1\n1\n'
add sizes_35_36 '\052''35 36 35' '2\n3\n35\n35\n36\n1\n1\n36\n'
add sizes_negative '\000''-1 -35 -36' '1\n2\n3\nh\n\n'
add sizes_huge '\200''2147483648 99999999999 +35' '1\n2\n3\nh\n\nq\n'
add sizes_with_mark '\031''\357\273\27710 15 20' 'h\n\n1\n10\n10\n11 0 x\n'
add ends_at_the_pause '\031''4 10 20' '1\n1\n1\n2\n1\n3\n1\n4\n1'
add ends_after_the_pause '\231''4 10 20' '1\n1\n1\n2\n1\n3\n1\n4\n1\n\n'
