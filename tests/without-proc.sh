#!/bin/sh
# without-proc.sh BUILD: with /proc hidden, the program of the Debian-layout BUILD
# loads the data folder its manual page names (a tmpfs here). Run by CI alone,
# as a chroot or container may allow no mount namespace: it then says so.
set -eu
data=$(sed -n 's|^\.I \(/.*\)/GameData\.txt$|\1|p' "$1/hullstrike.6")
for unshare in 'unshare -m' 'unshare -rm' ''; do
    [ -n "$unshare" ] && $unshare true 2>/dev/null && break
done
[ -n "$unshare" ] || { echo "no mount namespace can be made here: not checked"; exit 0; }
over=$data # the deepest folder of its path that exists
while [ ! -d "$over" ]; do over=$(dirname "$over"); done
out=$(cd "$1" && $unshare sh -euc 'mount -t tmpfs none "$1" && mkdir -p "$2" && echo 11 12 13 > "$2/GameData.txt" &&
    mount -t tmpfs none /proc && mkdir "$1/empty" && cd "$1/empty" && printf "h\n\nq\n" | "$3"' sh "$over" "$data" "$PWD/hullstrike")
echo "$out" | grep -q '^		Easy will be a grid of 11 x 11$' || { echo "$out"; echo "not the sizes of $data"; exit 1; }
echo "without /proc: the sizes of $data"
