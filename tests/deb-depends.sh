#!/bin/sh
# deb-depends.sh PACKAGE.deb...: each Depends versions every library, and holds on each system
# whose C++ library is of this machine's compiler or later (a newer compiler's program needs its own).
systems='Debian-12:2.36-9:12.2.0-14 Debian-13:2.41-12:14.2.0-19 Ubuntu-22.04:2.35-0ubuntu3:12-20220319-1ubuntu1
Ubuntu-24.04:2.39-0ubuntu8:14-20240412-0ubuntu1' # each with its libc6, and its libgcc-s1 and libstdc++6
built=$(dpkg-query -W -f '${Version}' libstdc++6) || exit 1
for system in $systems; do
    cxx=${system##*:}
    [ "${cxx%%[.-]*}" -ge "${built%%[.-]*}" ] && targets="$targets $system" ||
        echo "${system%%:*}: not a target of a build with libstdc++6 $built"
done
status=0
for deb; do
    depends=$(dpkg-deb -f "$deb" Depends) || exit 1
    echo "${deb##*/}: $depends"
    for relation in $(echo "$depends" | sed 's/ (\([<>=]*\) \([^)]*\))/:\1:\2/g; s/,/ /g'); do
        IFS=: read -r name op version <<EOF_RELATION
$relation
EOF_RELATION
        for system in $targets; do
            have=${system#*:}
            case $name in libc6) have=${have%%:*} ;; libgcc-s1 | libstdc++6) have=${have#*:} ;; *) have= ;; esac
            [ -n "$have" ] && dpkg --compare-versions "$have" "${op:-none}" "$version" 2>/dev/null ||
                { echo "  ${system%%:*}: $name ${have:-unknown} fails ${op:-(no version)} $version"; status=1; }
        done
    done
done
exit $status
