#!/bin/sh
# without-proc.sh BUILD: where the program can't find itself, with /proc
# hidden in a mount namespace of its own, it loads the data folder it was
# configured for, the one its manual page names: here a tmpfs over that
# folder's place holding sizes of its own, played by the program in the
# build folder BUILD (a Debian-layout build, not a static one).
#
# Not one of ctest's tests, since a mount namespace needs root or a user
# namespace, which a chroot or a container without privileges may not
# give: where none can be made it says so and exits 0, checking nothing.
set -eu
build=$(cd "$1" && pwd)
data=$(sed -n 's|^\.I \(/.*\)/GameData\.txt$|\1|p' "$build/hullstrike.6")
[ -n "$data" ] || { echo "no data folder named in $build/hullstrike.6" >&2; exit 1; }
for unshare in 'unshare -m' 'unshare -rm' ''; do
    [ -n "$unshare" ] && $unshare true 2>/dev/null && break
done
[ -n "$unshare" ] || { echo "no mount namespace can be made here: not checked"; exit 0; }
# The tmpfs goes over the deepest folder of the path that exists.
over=$data
while [ ! -d "$over" ]; do over=$(dirname "$over"); done
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
out=$($unshare sh -euc 'mount -t tmpfs none "$1" && mkdir -p "$2" && echo 11 12 13 > "$2/GameData.txt" &&
    mount -t tmpfs none /proc && cd "$3" && printf "h\n\nq\n" | "$4"' sh "$over" "$data" "$scratch" "$build/hullstrike")
echo "$out" | grep -q '^		Easy will be a grid of 11 x 11$' || { echo "$out"; echo "not the configured folder's sizes"; exit 1; }
echo "without /proc: the sizes of $data"
