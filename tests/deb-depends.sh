#!/bin/sh
# deb-depends.sh [--leave-out-older] PACKAGE.deb...: each Depends asks for at least the libc6 and
# libstdc++6 that the program's GLIBC_*, GLIBCXX_* and CXXABI_* references need (as this machine's
# symbols files date them), and holds on each system the README names; --leave-out-older names and
# passes over each system whose C++ library is older than this machine's, which it can't serve.
[ "$1" = --leave-out-older ] && leave_out=1 && shift
systems='Debian-12:2.36-9:12.2.0-14 Debian-13:2.41-12:14.2.0-19 Ubuntu-22.04:2.35-0ubuntu3:12-20220319-1ubuntu1
Ubuntu-24.04:2.39-0ubuntu8:14-20240412-0ubuntu1' # each with its libc6, and its libgcc-s1 and libstdc++6
built=$(dpkg-query -W -f '${Version}' libstdc++6) || exit 1
for system in $systems; do
    cxx=${system##*:}
    [ -z "$leave_out" ] || [ "${cxx%%[.-]*}" -ge "${built%%[.-]*}" ] && targets="$targets $system" ||
        echo "${system%%:*}: left out, as its libstdc++6 is older than this machine's $built"
done
arch=$(dpkg --print-architecture) program=$(mktemp) status=0
trap 'rm -f "$program"' EXIT
for deb; do
    depends=$(dpkg-deb -f "$deb" Depends) || exit 1
    echo "${deb##*/}: $depends"
    dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/games/hullstrike > "$program"
    nodes=$(readelf -V --wide "$program" | grep -oE 'Name: (GLIBC|GLIBCXX|CXXABI)_[0-9.]+' | sed 's/Name: //' | sort -u)
    [ -n "$nodes" ] || { echo "  no version reference found in the program"; status=1; }
    for relation in $(echo "$depends" | sed 's/ (\([<>=]*\) \([^)]*\))/:\1:\2/g; s/,/ /g'); do
        IFS=: read -r name op version <<EOF_RELATION
$relation
EOF_RELATION
        case $name in libc6 | libstdc++6)
            need=$(for node in $nodes; do sed -n "s/^ $node@$node //p" "/var/lib/dpkg/info/$name:$arch.symbols"; done |
                sort -V | tail -n 1)
            [ -n "$need" ] && ! { [ "$op" = ">=" ] && dpkg --compare-versions "$version" ge "$need"; } &&
                { echo "  $name ${op:-(no version)} $version is lower than the $need the program needs"; status=1; } ;;
        esac
        for system in $targets; do
            have=${system#*:}
            case $name in libc6) have=${have%%:*} ;; libgcc-s1 | libstdc++6) have=${have#*:} ;; *) have= ;; esac
            [ -n "$have" ] && dpkg --compare-versions "$have" "${op:-none}" "$version" 2>/dev/null ||
                { echo "  ${system%%:*}: $name ${have:-unknown} fails ${op:-(no version)} $version"; status=1; }
        done
    done
done
exit $status
