#!/bin/sh
# A file left by hand in the web build's site folder goes neither into the
# service worker's list nor into the install, which is what the zip holds:
# the worker written beside it is the build's own, byte for byte, and the
# install is the files the worker names and the worker itself.
#   site_files.sh CMAKE BUILD WORK FILES    (FILES comma-separated)
cmake=$1 build=$2 work=$3 sources=$(dirname "$0")/../..
rm -rf "$work" && mkdir -p "$work" && trap 'rm -f "$build/site/left-by-hand.txt"' EXIT || exit 1
echo "not of the site" >"$build/site/left-by-hand.txt"
"$cmake" --install "$build" --prefix "$work/installed" >/dev/null && "$cmake" -DSITE="$build/site" -DFILES="$4" \
  -DTEMPLATE="$sources/src/web/service-worker.js.in" -DOUTPUT="$work/sw.js" -P "$sources/cmake/service-worker.cmake" &&
  cmp "$work/sw.js" "$build/site/sw.js" || exit 1
named=$( (sed -n 's/^    "\(.*\)": "[0-9a-f]*",$/\1/p' "$work/sw.js"; echo sw.js) | sort)
installed=$(cd "$work/installed" && find . -type f | sed 's|^\./||' | sort)
test "$installed" = "$named" || { printf 'installed:\n%s\nnot the files the worker names:\n%s\n' "$installed" "$named"; exit 1; }
