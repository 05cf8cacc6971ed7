#!/usr/bin/env bash
# Run on a virtual X display (xvfb-run): starts velmora, types a scale length
# and a number of frets (24 unless given) into its window as a person would,
# saves the list with Ctrl+S through the real save dialog into the file given,
# confirming the replacement of what is there, presses Ctrl+Q and exits with
# velmora's own exit status. With "refused" and a file-size limit in bytes,
# velmora runs under that limit, and the save is to end in a message, which is
# dismissed, instead of a file. Every wait is bounded.
set -u
velmora=$1
saved=$2
frets=${3:-24}
outcome=${4:-saved}
size_limit=${5:-unlimited}

existed=false
[ -e "$saved" ] && existed=true

prlimit --fsize="$size_limit" "$velmora" &
pid=$!
trap 'kill -9 $pid 2>/dev/null' EXIT

# The id of the visible window titled $1, once it is shown; else ends the
# script with status $2, naming $3.
wait_for_window() {
    found=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1)
    if [ -z "$found" ]; then
        echo "$3 did not appear" >&2
        exit "$2"
    fi
}

# The id of a visible window titled $1 other than the window $2, focused, once
# it is shown; else ends the script with status $3, naming $4.
focus_second_window() {
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible --name "$1" | grep -v "^$2$" | head -n 1)
        [ -n "$found" ] && break
        sleep 0.1
    done
    if [ -z "$found" ]; then
        echo "$4" >&2
        exit "$3"
    fi
    xdotool windowfocus --sync "$found"
    sleep 0.3
}

wait_for_window '^Velmora$' 90 "the Velmora window"
window=$found
# Without a window manager the window gets the keyboard by input focus.
xdotool windowfocus --sync "$window"
sleep 0.5
# The scale-length field takes the focus first; Tab leads to the frets field.
xdotool type --delay 60 "25.5"
xdotool key --delay 60 Tab
xdotool type --delay 60 "$frets"
sleep 0.3

xdotool key ctrl+s
wait_for_window '^Save As$' 92 "the save dialog"
xdotool windowfocus --sync "$found"
sleep 0.5
# The file name field has the focus, holding the proposed name.
xdotool key --delay 60 ctrl+a
xdotool type --delay 30 "$saved"
dialog=$found
xdotool key --delay 60 Return
if $existed; then
    # Asked, under the dialog's own title, whether to replace the file.
    focus_second_window '^Save As$' "$dialog" 95 "no question whether to replace $saved"
    xdotool key y
fi

if [ "$outcome" = refused ]; then
    # The message is a second window with the program's title.
    focus_second_window '^Velmora$' "$window" 96 "no message that $saved could not be saved"
    echo "a message was shown"
    xdotool key Return
    sleep 0.3
else
    for _ in $(seq 100); do
        [ -s "$saved" ] && break
        sleep 0.1
    done
    if [ ! -s "$saved" ]; then
        echo "the list was not saved to $saved" >&2
        exit 93
    fi
fi

xdotool windowfocus --sync "$window"
sleep 0.3
xdotool key ctrl+q

for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
    echo "velmora did not quit on Ctrl+Q" >&2
    exit 91
fi
wait $pid
