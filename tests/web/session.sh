#!/bin/sh
# session.sh NODE SESSION FIXED_CLOCK GAME FIND_SEED: the recorded session, byte for
# byte, the clock at the seed of its ships, in words or on a terminal where it says.
rm -f GameData.txt; cp "$2"/input "$2"/GameData.txt . 2>/dev/null
export HULLSTRIKE_CLOCK=$(test ! -f "$2"/ships || "$1" "$5" < "$2"/ships) game="timeout 60 $1 -r $3 $4"
test ! -f "$2"/accessible || game="$game --accessible"
$game < input > out 2> err && cmp out "$2"/expected && ! test -s err || exit 1
test ! -f "$2"/terminal || { TERM=xterm script -qec "$game < input" /dev/null < /dev/null > out && cmp out "$2"/terminal; }
