#!/bin/sh
# environment.sh ROW COMMAND...: the game (COMMAND) in a hostile environment, as ROW sets it up,
# in this folder, where ./game runs it. What the row writes, standard error too, then each run's
# status is compared whole with tests/environment/ROW (a row with no case fails); one whose tool
# is missing exits 77 (Skipped). Not compared: a Windows program's CR, and why wine says a read
# or write failed.
row=$1 windows=
shift
case $* in *.exe) windows='s/\r$//; s/\(read\|write\) error: .*/\1 error: (why)/' ;; esac
printf '#!/bin/sh\ntimeout 60 %s"$@"\nstatus=$?\necho "status $status" >> statuses\nexit $status\n' \
    "$(printf "'%s' " "$@")" > game && chmod +x game
rm -f GameData.txt in out pipe trace times statuses
. "$(dirname "$0")/needs.sh"
# "await PATTERN" waits until out shows it or the game started last has ended.
await() { until grep -qsE "$1" out || ! kill -0 $! 2> /dev/null; do sleep 0.01; done; }
# "typed BLOCKS KEYS": output limited to BLOCKS of 512 bytes and KEYS typed,
# the input left open, so that a game that read on would hang.
typed() { mkfifo in; (ulimit -f "$1"; ./game < in > out) & exec 3> in; printf "$2" >&3; wait $!; }
(
trap '' PIPE XFSZ
case $row in
# Output that can't be written stops the game at once, whatever input is left;
# nor does a prompt wait then: the help screen before its pause, a board, the
# tenth menu. (Four invalid keys write 1,001 bytes, the farewell 36 more: a
# limit of two blocks, 1,024 bytes, is reached in the farewell.)
output_full) yes 1 2>/dev/null | ./game > /dev/full ;;
output_closed) yes 1 2>/dev/null | ./game >&- ;;
output_reader_gone) yes 1 2>/dev/null | ./game | head -c 1 > /dev/null ;;
output_fails_at_the_farewell) printf 'x\nx\nx\nx\n' | (ulimit -f 2; ./game > out) ;;
output_fails_before_a_pause) echo 20 > GameData.txt; typed 1 'h\n' ;;
output_fails_before_a_shot) echo 20 > GameData.txt; typed 1 '1\n' ;;
output_fails_in_a_prompt) typed 4 'x\nx\nx\nx\nx\nx\nx\nx\nx\n' ;;
# Input that fails ends the game as its end does, then says why; EIO comes as
# from a terminal that has hung up: memory at address 0.
input_a_directory) ./game < / > out; tail -n 3 out ;;
input_closed) ./game <&- > out; tail -n 3 out ;;
input_fails) ./game < /proc/$$/mem > out ;;
# Input left non-blocking (here by perl, as a program run before may leave it)
# is waited on in poll: two seconds with nothing typed cost the game under
# half a second of processor time, where reading again and again would spend
# most of them, and polling no descriptor would never see the keys that
# follow. Keys that come apart are waited for: 1, then 0, is read as 10 (row
# 3's tenth cell shot).
input_non_blocking)
    needs perl perl-base
    echo 10 > GameData.txt && mkfifo in
    # times, as the group ends: its own processor time, then perl's and the game's,
    # user and system each as 0m0.000000s
    { perl -MFcntl -e 'fcntl(STDIN, F_SETFL, O_NONBLOCK) or die $!' && ./game; times > times; } < in > out &
    exec 3> in
    await 'choice: ' && sleep 2 && printf '1\n1' >&3 && await 'Across: ' && printf '0\n3\n' >&3
    exec 3>&- && wait $!
    grep -c 'Value must' out; grep -cE '^ 3\|(\. ){9}[^. ]' out
    awk -F '[ms ]' 'NR == 2 { used = $1 * 60 + $2 + $4 * 60 + $5; print (used < 0.5 ? "slept" : "spun for " used " s") }' times ;;
# A settings file that is no ordinary file is passed over, and a device never
# opened at all; an endless one is read no further than its first bad byte.
settings_no_ordinary_file)
    mkfifo pipe
    for file in pipe /dev/zero /proc/self/pagemap; do
        ln -sf $file GameData.txt && printf 'h\n\nq\n' | ./game | grep 'Hard will'
    done ;;
settings_device_never_opened)
    needs strace strace
    strace -o /dev/null true 2> /dev/null || { echo "strace can't trace here: skipped"; exit 77; }
    ln -s /dev/null GameData.txt && printf 'h\n\nq\n' | ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 \
        strace -f -qq -o trace -e trace=open,openat ./game > /dev/null # LeakSanitizer can't work traced
    grep -q 'openat(' trace || echo "nothing traced"
    grep GameData trace ;;
# An edit counts from the next key; 100 keys first, with at most 64 files open,
# so that a reload leaving its file open would run out.
settings_edited_between_keys)
    ulimit -n 64
    echo 10 > GameData.txt && mkfifo in
    ./game < in > out & exec 3> in
    yes x 2> /dev/null | head -n 100 >&3
    printf 'h\n\n' >&3 && await Press && echo 11 > GameData.txt && printf 'h\n\nq\n' >&3
    wait $!
    grep 'Easy will' out ;;
# A terminal is cleared before a board whatever its name (before "dumb" or
# after it), unless it can't clear (dumb, none): then it gets no escape byte.
terminal_names)
    needs script bsdutils
    echo 10 > GameData.txt && echo 1 > in
    for name in ansi alacritty Eterm xterm dumb '' unset; do
        [ "$name" = unset ] && unset TERM || export TERM="$name"
        script -qec "./game < in" /dev/null < /dev/null | grep -c "$(printf '\033')"
    done ;;
*) echo "environment.sh has no row $row" ;;
esac
) > result 2>&1
[ $? = 77 ] && { cat result; exit 77; }
cat statuses >> result 2> /dev/null
sed -i "$windows" result
sed "$windows" "$(dirname "$0")/environment/$row" | diff - result
