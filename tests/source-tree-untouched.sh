#!/bin/sh
# source-tree-untouched.sh SOURCE BUILD COMMAND...: COMMAND run from SOURCE changes
# no file there but in .git, node_modules and build folders (BUILD, from SOURCE).
source=$1 build=./$2
shift 2
list() {
    (cd "$source" && find . \( -path ./.git -o -path './build*' -o -path "$build" -o -path ./node_modules \) \
        -prune -o -type f -exec cksum {} + | LC_ALL=C sort)
}
list > before
(cd "$source" && "$@") > log 2>&1 || { tail -n 40 log; exit 1; }
list | diff before -
