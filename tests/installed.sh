#!/bin/sh
# installed.sh CHECK ARGUMENT...: one check of an install (see each below).
check=$1
shift
fail() { echo "$*"; exit 1; }
. "$(dirname "$0")/needs.sh"
case $check in
plays) # COMMAND...: from this folder, with the shipped sizes, then a GameData.txt here
    rm -f GameData.txt
    printf 'h\n\n1\n' | timeout 60 "$@" > shipped || fail "status $? with the shipped sizes"
    echo 12 > GameData.txt
    printf 'h\n\nq\n' | timeout 60 "$@" > own || fail "status $? with a GameData.txt"
    grep -h -E 'will be a grid|^10\||Goodbye' shipped own | tr -d '\r' | diff "$(dirname "$0")/plays.expected" - ;;
manual) # PAGE, gzipped or not: renders with no warning
    needs groff groff-base
    test -s "$1" || fail "no manual page $1"
    out=$(gzip -dcf "$1" | groff -man -ww -z 2>&1) && test -z "$out" || fail "$out" ;;
desktop) # SHARE: the entry validates; its icon is at the size every desktop looks in, and scalable
    needs desktop-file-validate desktop-file-utils
    out=$(desktop-file-validate "$1/applications/hullstrike.desktop" 2>&1) && test -z "$out" || fail "$out"
    icon=$(sed -n 's/^Icon=//p' "$1/applications/hullstrike.desktop")
    for file in 48x48/apps/$icon.png scalable/apps/$icon.svg; do
        test -f "$1/icons/hicolor/$file" || fail "no icon named '$icon': no $file"
    done ;;
documents) # FOLDER: every relative link of its Markdown files is there, and one at least
    cd "$1" && links=$(grep -roE --include='*.md' '\]\([^):]*\)|src="[^":]*"' . | sed -E 's,/[^/]*:(]\(|src="),/,; s/[)"]$//; s/#.*//')
    for link in ${links:?no link under $1}; do test -e "$link" || fail "$link is not there"; done ;;
texts) # FOLDER LICENSE: the Windows texts end their lines in CR LF; the licence is LICENSE
    test -s "$1/README.txt" && ! grep -qv "$(printf '\r')\$" "$1/README.txt" || fail "README.txt: none, or a line without CR"
    sed "s/\$/$(printf '\r')/" "$2" | cmp - "$1/LICENSE.txt" ;;
resources) # PROGRAM ICON DESCRIPTION VERSION: icon, version information, paths of any length
    needs wrestool icoutils
    wrestool -x -t14 "$1" > icon.ico && icotool -l icon.ico > sizes && icotool -l "$2" | diff - sizes || exit 1
    info=$(wrestool -x --raw -t16 "$1" | strings -el | tr '\n' ' ') && echo "$info"
    case $info in *"FileDescription Hullstrike, a $3 FileVersion $4 "*"LegalCopyright Copyright "*[0-9]*" ProductName Hullstrike ProductVersion $4 "*) ;;
    *) fail "no description, version or copyright" ;; esac
    wrestool -x --raw -t24 "$1" | grep '<longPathAware .*>true</longPathAware>' ;;
esac
