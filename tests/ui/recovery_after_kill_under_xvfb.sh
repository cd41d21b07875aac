#!/usr/bin/env bash
# Kills the real editor with SIGKILL after an edit made through its window,
# starts it again and checks that the offer it makes brings the edit back:
# Return on the offer's default button restores, Ctrl+S saves, and the saved
# file holds one channel fewer. Runs on a virtual X display, with the user's
# folders pointing into a scratch folder; keys and clicks go through xdotool.
#
# Usage: recovery_after_kill_under_xvfb.sh <kelmora-settings-editor> <kelmora-demo-files> <kelmora-si>
set -euo pipefail

# Polls until a window whose title matches the pattern exists; prints its id.
wait_for_window() {
    local pattern=$1 tries=${2:-300} id
    for _ in $(seq 1 "$tries"); do
        if id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1) && [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the editor ended while waiting for \"$pattern\":" >&2
            cat "$log" >&2
            return 1
        fi
        sleep 0.1
    done
    echo "no window titled \"$pattern\" appeared:" >&2
    xwininfo -root -tree >&2 || true
    cat "$log" >&2
    return 1
}

# Polls until a file matching the glob exists (or, with "gone", no longer does).
wait_for_file() {
    local glob=$1 want=${2:-there}
    for _ in $(seq 1 300); do
        # shellcheck disable=SC2086
        if compgen -G "$glob" >/dev/null; then [ "$want" = there ] && return 0
        else [ "$want" = gone ] && return 0; fi
        sleep 0.1
    done
    echo "timed out waiting for $glob to be $want" >&2
    cat "$log" >&2
    return 1
}

# Starts the editor in the background (pid in $pid, output in $log). A display
# that refuses the connection (a server still settling after a client was
# killed) is not the editor's fault: such a start is tried again.
start_editor() {
    for _ in 1 2 3; do
        "$editor" "$@" >"$log" 2>&1 &
        pid=$!
        sleep 0.5
        if kill -0 "$pid" 2>/dev/null || ! grep -q "could not connect to display" "$log"; then
            return 0
        fi
        wait "$pid" 2>/dev/null || true
    done
}

channels() {
    "$cli" info "$1" | awk '$1 == "channels" { print $2 }'
}

if [ "${1:-}" = "--inside" ]; then
    editor=$2
    file=$3
    cli=$4
    name=$(basename "$file")
    name_pattern=${name//./\\.}
    copies="$XDG_DATA_HOME/Tolvar/kelmora-settings-editor/recovery/*.recovery"
    log=$(mktemp)
    before=$(channels "$file")
    export QT_QPA_PLATFORM=xcb

    start_editor "$file"
    window=$(wait_for_window "^$name_pattern - ")
    # A click on a row of the channel table, right of the tree, selects it
    # and gives the table the focus; Delete removes the channel.
    # A window just mapped may still be laying out its panes, so a click that
    # finds no row is tried again; the title's mark tells that one landed.
    edited=
    for _ in $(seq 1 10); do
        eval "$(xdotool getwindowgeometry --shell "$window")"
        xdotool mousemove --window "$window" $((WIDTH - 80)) 120 click 1
        xdotool key Delete
        if wait_for_window "^$name_pattern\\* - " 30 >/dev/null 2>&1; then
            edited=yes
            break
        fi
    done
    if [ -z "$edited" ]; then
        echo "no click on the channel table deleted a channel:" >&2
        cat "$log" >&2
        exit 1
    fi
    wait_for_file "$copies"
    kill -9 "$pid"
    wait "$pid" 2>/dev/null || true
    if [ "$(channels "$file")" != "$before" ]; then
        echo "the file changed before it was saved" >&2
        exit 1
    fi

    start_editor
    offer=$(wait_for_window "^Recover unsaved changes")
    xdotool windowfocus --sync "$offer" key Return
    window=$(wait_for_window "^$name_pattern\\* - ")
    xdotool windowfocus --sync "$window" key ctrl+s
    wait_for_window "^$name_pattern - " >/dev/null
    wait_for_file "$copies" gone
    kill "$pid"
    wait "$pid" 2>/dev/null || true

    after=$(channels "$file")
    if [ "$after" != $((before - 1)) ]; then
        echo "the saved file holds $after channels; expected $((before - 1)), one fewer than $before" >&2
        cat "$log" >&2
        exit 1
    fi
    echo "the edit came back after a kill: $before channels, then $after saved"
    exit 0
fi

editor=$1
demo_tool=$2
cli=$3
# shellcheck source=../support/requiretools.sh
source "$(dirname "$0")/../support/requiretools.sh"
require_tools xvfb-run xwininfo xdotool

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The recovery copies, remembered windows and recent files: not the user's.
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME"
"$demo_tool" "$work" >/dev/null

# -noreset: the server must not restart when the killed editor was its last client.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" --inside "$editor" "$work/demo-hd.si" "$cli"
