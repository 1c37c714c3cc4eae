#!/bin/sh
# What a player or a packager gets from an install, one check a run:
#   installed.sh plays COMMAND...  played from this folder: with no
#       GameData.txt here it has the shipped sizes and draws a game on the
#       first of them; a GameData.txt here wins over them;
#   installed.sh manual PAGE  the manual page, gzipped or not, renders with
#       no warning;
#   installed.sh desktop SHARE  the desktop entry under SHARE validates, and
#       its icon is found by name in the hicolor theme there;
#   installed.sh documents FOLDER  every relative link of the Markdown
#       files under FOLDER names a file that is there;
#   installed.sh texts FOLDER LICENSE  the Windows folder's texts have
#       Windows' line ends, and its licence is LICENSE;
#   installed.sh resources PROGRAM ICON DESCRIPTION VERSION  the Windows
#       program's icon with all the sizes of ICON, its version information
#       and the manifest that lets it open paths of any length.
check=$1
shift
fail() { echo "$*"; exit 1; }
needs() { sh "$(dirname "$0")/needs.sh" "$1" "$2" true || exit 77; }
case $check in
plays)
    rm -f GameData.txt
    printf 'h\n\n1\n' | timeout 60 "$@" > shipped || fail "status $? with the shipped sizes"
    echo 12 > GameData.txt
    printf 'h\n\nq\n' | timeout 60 "$@" > own || fail "status $? with a GameData.txt"
    grep -h -E 'will be a grid|^10\||Goodbye' shipped own | tr -d '\r' | diff "$(dirname "$0")/plays.expected" - ;;
manual)
    needs groff groff-base
    out=$(gzip -dcf "$1" | groff -man -ww -z 2>&1) && test -z "$out" || fail "$out" ;;
desktop)
    needs desktop-file-validate desktop-file-utils
    entry=$1/applications/hullstrike.desktop
    out=$(desktop-file-validate "$entry" 2>&1) && test -z "$out" || fail "$out"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    # The theme's one size every desktop looks in, and the drawing for any other.
    for file in 48x48/apps/$icon.png scalable/apps/$icon.svg; do
        test -f "$1/icons/hicolor/$file" || fail "no icon named '$icon': no $file"
    done ;;
documents)
    links=0
    for page in $(find "$1" -name '*.md'); do
        for target in $(grep -oE '\]\([^)]*\)|src="[^"]*"' "$page" | sed -E 's/^(]\(|src=")//; s/[)"]$//; s/#.*//'); do
            case $target in *://*) continue ;; esac
            test -e "$(dirname "$page")/$target" || fail "$page: $target is not there"
            links=$((links + 1))
        done
    done
    test $links -gt 0 || fail "no link found under $1" ;;
texts)
    for text in README.txt LICENSE.txt; do
        test "$(grep -c "$(printf '\r')\$" "$1/$text")" = "$(wc -l < "$1/$text")" || fail "$text: a line without CR"
    done
    tr -d '\r' < "$1/LICENSE.txt" | cmp - "$2" ;;
resources)
    needs wrestool icoutils
    wrestool -x -t14 "$1" > icon.ico && icotool -l icon.ico > sizes && icotool -l "$2" | diff - sizes || exit 1
    info=$(wrestool -x --raw -t16 "$1" | strings -el | tr '\n' ' ') && echo "$info"
    case $info in
    *"FileDescription Hullstrike, a $3 FileVersion $4 "*"LegalCopyright Copyright "*[0-9]*" ProductName Hullstrike ProductVersion $4 "*) ;;
    *) fail "the version information lacks the description, version or copyright" ;;
    esac
    wrestool -x --raw -t24 "$1" | grep '<longPathAware .*>true</longPathAware>' ;;
*) fail "no check named $check" ;;
esac
