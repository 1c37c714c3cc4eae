#!/bin/sh
# site_files.sh CMAKE BUILD WORK FILES (comma-separated): a file left by hand in
# the site folder, copied into WORK, goes neither into the service worker's list
# nor into the install (what the zip holds): the worker written from the copy is
# the build's, byte for byte, and the install rules pointed at the copy install
# just the files the worker names and the worker.
cmake=$1 build=$2 work=$3 sources=$(dirname "$0")/../..
rm -rf "$work" && mkdir -p "$work" && cp -R "$build/site" "$work/site" || exit 1
echo "not of the site" >"$work/site/left-by-hand.txt"
sed "s|$build/site/|$work/site/|g" "$build/cmake_install.cmake" >"$work/install.cmake"
"$cmake" -DCMAKE_INSTALL_PREFIX="$work/installed" -P "$work/install.cmake" >/dev/null &&
  "$cmake" -DSITE="$work/site" -DFILES="$4" -DTEMPLATE="$sources/src/web/service-worker.js.in" \
    -DOUTPUT="$work/sw.js" -P "$sources/cmake/service-worker.cmake" &&
  cmp "$work/sw.js" "$build/site/sw.js" || exit 1
named=$( (sed -n 's/^    "\(.*\)": "[0-9a-f]*",$/\1/p' "$work/sw.js"; echo sw.js) | sort)
installed=$(cd "$work/installed" && find . -type f | sed 's|^\./||' | sort)
test "$installed" = "$named" || { printf 'installed:\n%s\nnot the files the worker names:\n%s\n' "$installed" "$named"; exit 1; }
