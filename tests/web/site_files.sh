#!/bin/sh
# site_files.sh CMAKE BUILD WORK FILES MINIFY: in a copy of the site with a file left
# by hand, the worker written (minified by MINIFY, a command) is the build's, and the
# install (the zip) holds only it and the files it names; a first visit, which loads
# them all for the worker to keep, weighs at most the page's budget, gzip -9 as a host
# sends it, or the five largest are named (a site not minified is not held to it).
cmake=$1 build=$2 work=$3 sources=$(dirname "$0")/../.. budget=85000
rm -rf "$work" && mkdir -p "$work" && cp -R "$build/site" "$work/site" || exit 1
echo "not of the site" >"$work/site/left-by-hand.txt"
sed "s|$build/site/|$work/site/|g" "$build/cmake_install.cmake" >"$work/install.cmake"
"$cmake" -DCMAKE_INSTALL_PREFIX="$work/installed" -P "$work/install.cmake" >/dev/null &&
  "$cmake" -DSITE="$work/site" -DFILES="$4" -DTEMPLATE="$sources/src/web/service-worker.js.in" \
    -DOUTPUT="$work/sw.js" -DMINIFY="$(printf %s "$5" | tr ' ' ';')" -P "$sources/cmake/scripts/service-worker.cmake" &&
  cmp "$work/sw.js" "$build/site/sw.js" || exit 1
named=$( (grep -o '"[^"]*": *"[0-9a-f]\{64\}"' "$work/sw.js" | sed 's/^"\([^"]*\)".*/\1/'; echo sw.js) | sort)
installed=$(cd "$work/installed" && find . -type f | sed 's|^\./||' | sort)
test "$installed" = "$named" || { printf 'installed:\n%s\nnot the files the worker names:\n%s\n' "$installed" "$named"; exit 1; }
sizes=$(cd "$work/installed" && for name in $installed; do echo "$(gzip -9 <"$name" | wc -c) $name"; done | sort -rn)
total=$(echo "$sizes" | awk '{ total += $1 } END { print total }')
test -n "$5" || { echo "the site is not minified: its $total bytes gzipped are not held to the budget"; exit 0; }
test "$total" -le $budget || { printf 'a first visit loads %s bytes gzipped, over the budget of %s; the largest:\n%s\n' \
  "$total" $budget "$(echo "$sizes" | head -5)"; exit 1; }
