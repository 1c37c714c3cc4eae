#!/bin/sh
# deb-depends.sh PACKAGE.deb...: each package's Depends names every library
# with a version, and each relation holds on every system the packages are
# for, by the version of the library it was released with.
systems='Debian-12 libc6=2.36-9 libgcc-s1=12.2.0-14 libstdc++6=12.2.0-14
Debian-13 libc6=2.41-12 libgcc-s1=14.2.0-19 libstdc++6=14.2.0-19
Ubuntu-22.04 libc6=2.35-0ubuntu3 libgcc-s1=12-20220319-1ubuntu1 libstdc++6=12-20220319-1ubuntu1
Ubuntu-24.04 libc6=2.39-0ubuntu8 libgcc-s1=14-20240412-0ubuntu1 libstdc++6=14-20240412-0ubuntu1'
status=0
for deb; do
    depends=$(dpkg-deb -f "$deb" Depends) || exit 1
    echo "${deb##*/}: $depends"
    # libc6 (>= 2.34), libstdc++6 as libc6:>=:2.34 libstdc++6
    for relation in $(echo "$depends" | sed 's/ (\([<>=]*\) \([^)]*\))/:\1:\2/g; s/,/ /g'); do
        name=${relation%%:*}
        case $relation in
        *:*:*) ;;
        *) echo "  $name: no version"; status=1; continue ;;
        esac
        op=${relation#*:} version=${relation##*:}
        op=${op%%:*}
        while read -r system versions; do
            have=$(echo "$versions" | tr ' ' '\n' | sed -n "s/^$name=//p")
            if [ -z "$have" ] || ! dpkg --compare-versions "$have" "$op" "$version"; then
                echo "  $system: $name ${have:-missing}, not $op $version"
                status=1
            fi
        done <<SYSTEMS
$systems
SYSTEMS
    done
done
exit $status
