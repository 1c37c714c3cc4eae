#!/bin/sh
# source-tree-untouched.sh SOURCE BUILD COMMAND...: runs COMMAND from the
# source tree's root SOURCE and checks that it leaves the tree as it was:
# no file there added, removed or changed. Left out: .git, node_modules and
# the build folders, BUILD (a path from SOURCE) among them.
source=$1 build=./$2
shift 2
list() {
    (cd "$source" && find . \( -path ./.git -o -path './build*' -o -path "$build" -o -path ./node_modules \) \
        -prune -o -type f -exec cksum {} + | LC_ALL=C sort)
}
list > before
(cd "$source" && "$@") > log 2>&1 || { tail -n 40 log; exit 1; }
list | diff before -
