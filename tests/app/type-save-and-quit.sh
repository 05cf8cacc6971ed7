#!/usr/bin/env bash
# Run on a virtual X display (xvfb-run): starts velmora, types a scale length
# and a number of frets into its window as a person would, saves the list with
# Ctrl+S through the real save dialog into the file given, presses Ctrl+Q and
# exits with velmora's own exit status. Every wait is bounded.
set -u
velmora=$1
saved=$2

"$velmora" &
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

wait_for_window '^Velmora$' 90 "the Velmora window"
window=$found
# Without a window manager the window gets the keyboard by input focus.
xdotool windowfocus --sync "$window"
sleep 0.5
# The scale-length field takes the focus first; Tab leads to the frets field.
xdotool type --delay 60 "25.5"
xdotool key --delay 60 Tab
xdotool type --delay 60 "24"
sleep 0.3

xdotool key ctrl+s
wait_for_window '^Save As$' 92 "the save dialog"
xdotool windowfocus --sync "$found"
sleep 0.5
# The file name field has the focus, holding the proposed name.
xdotool key --delay 60 ctrl+a
xdotool type --delay 30 "$saved"
xdotool key --delay 60 Return
for _ in $(seq 100); do
    [ -s "$saved" ] && break
    sleep 0.1
done
if [ ! -s "$saved" ]; then
    echo "the list was not saved to $saved" >&2
    exit 93
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
