#!/usr/bin/env bash
# Run on a virtual X display (xvfb-run): starts the openbox window manager and
# velmora, then opens and closes each of velmora's three dialogs the number of
# times given, from the keyboard as a person would. Fails as soon as a dialog
# does not become viewable, or is not a dialog transient for the main window;
# ends with Ctrl+Q and velmora's own exit status. Every wait is bounded.
set -u
velmora=$1
openings=$2

openbox >/dev/null 2>&1 &
wm=$!
velmora_pid=""
trap 'kill -9 $velmora_pid $wm 2>/dev/null' EXIT

# Maps and places windows only once it manages the screen.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; then
    echo "openbox did not start" >&2
    exit 94
fi

"$velmora" &
velmora_pid=$!

# The id of the viewable window titled $1 within $2 seconds, else empty.
viewable_window() {
    local tries=$(($2 * 20))
    for _ in $(seq "$tries"); do
        xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 | grep . && return
        sleep 0.05
    done
}

main=$(viewable_window '^Velmora$' 30)
if [ -z "$main" ]; then
    echo "the Velmora window did not appear" >&2
    exit 90
fi

# Ctrl+P opens the outline window; the Tools menu, reached from the File menu
# with the arrow keys, holds String Size and About.
open_dialog() {
    case $1 in
        outline) xdotool key ctrl+p ;;
        gauge) xdotool key alt+f Right Right Return ;;
        about) xdotool key alt+f Right Right Down Return ;;
    esac
}

for dialog in outline gauge about; do
    case $dialog in
        outline) title='^Print Fret Outline$' ;;
        gauge) title='^Calculate String Size$' ;;
        about) title='^About$' ;;
    esac
    for opening in $(seq "$openings"); do
        xdotool windowactivate --sync "$main"
        open_dialog $dialog
        shown=$(viewable_window "$title" 10)
        if [ -z "$shown" ]; then
            echo "opening $opening of the $dialog window: it never became viewable" >&2
            exit 95
        fi
        if [ "$opening" -eq 1 ]; then
            type=$(xprop -id "$shown" _NET_WM_WINDOW_TYPE)
            transient=$(xprop -id "$shown" WM_TRANSIENT_FOR)
            if [[ $type != *"= _NET_WM_WINDOW_TYPE_DIALOG"* ]] ||
                [ "$(printf '%d' "${transient##* }")" != "$main" ]; then
                echo "the $dialog window is no dialog of the main window:" >&2
                echo "$type; $transient" >&2
                exit 96
            fi
        fi
        # Escape presses the dialog's cancel button.
        xdotool key Escape
        for _ in $(seq 100); do
            xdotool search --onlyvisible --name "$title" >/dev/null 2>&1 || break
            sleep 0.05
        done
        if xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
            echo "opening $opening of the $dialog window: Escape did not close it" >&2
            exit 97
        fi
    done
done

xdotool windowactivate --sync "$main"
xdotool key ctrl+q
for _ in $(seq 100); do
    kill -0 "$velmora_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$velmora_pid" 2>/dev/null; then
    echo "velmora did not quit on Ctrl+Q" >&2
    exit 91
fi
wait "$velmora_pid"
