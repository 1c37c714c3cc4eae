#!/bin/sh
# output.sh TEST NODE GAME: `play` adds the status on standard error; `typed BLOCKS
# TEXT` limits output to BLOCKS of 512 bytes, on an input left open (a game that
# read on would hang). The size limits hit the farewell, the help's pause, a
# board's first drawing and the tenth menu.
trap '' PIPE XFSZ
node=$2 game=$3
play() { timeout 20 "$node" "$game"; echo "status $?" >&2; }
typed() { rm -f in; mkfifo in; (ulimit -f $1; play <in >out) & exec 3>in; printf "$2" >&3; wait; }
case $1 in
output.full) yes 1 2>/dev/null | play >/dev/full ;;
output.broken_pipe) yes 1 2>/dev/null | play | head -c 1 >/dev/null ;;
output.at_the_farewell) printf 'x\nx\nx\nx\n' | (ulimit -f 2; play >out) ;;
output.before_a_pause) echo 20 >GameData.txt; typed 1 'h\n' ;;
output.before_a_shot) echo 20 >GameData.txt; typed 1 '1\n' ;;
output.in_a_prompt) typed 4 'x\nx\nx\nx\nx\nx\nx\nx\nx\n' ;;
settings_named_pipe) rm -f GameData.txt; mkfifo GameData.txt; printf 'h\n\nq\n' | play ;;
esac
