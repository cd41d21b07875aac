#!/usr/bin/env bash
# Starts the real editor on demo files on a virtual X display and checks that
# its window appears with the file loaded and that the object tree and the
# channel table are filled. What the panes hold is reported by a probe that
# the test loads into the program as a Qt generic plugin.
#
# Usage: editor_window_under_xvfb.sh <kelmora-settings-editor> <kelmora-demo-files> <probe plugin folder>
set -euo pipefail

if [ "${1:-}" = "--inside" ]; then
    editor=$2
    file=$3
    plugins=$4
    expected="$(basename "$file") - Kelmora Settings Editor"
    log=$(mktemp)
    QT_QPA_PLATFORM=xcb QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=kelmorawindowprobe \
        "$editor" "$file" >"$log" 2>&1 &
    pid=$!
    found=no
    for _ in $(seq 1 150); do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the editor ended before its window appeared:" >&2
            cat "$log" >&2
            exit 1
        fi
        # Read whole before matching: grep -q ending early would cut the
        # pipe, and pipefail would count that as no match.
        windows=$(xwininfo -root -tree 2>/dev/null || true)
        probe=$(grep -m1 '^probe:' "$log" || true)
        if grep -qF "\"$expected\"" <<<"$windows" && [ -n "$probe" ]; then
            found=yes
            break
        fi
        sleep 0.2
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    if [ "$found" != yes ]; then
        echo "no window titled \"$expected\" reported its panes" >&2
        xwininfo -root -tree >&2 || true
        cat "$log" >&2
        exit 1
    fi
    # probe: satellites S providers P favorites F channels C
    read -r _ _ satellites _ providers _ favorites _ channels <<<"$probe"
    if [ "$satellites" -lt 1 ] || [ "$providers" -lt 1 ] || [ "$favorites" -ne 9 ] || [ "$channels" -lt 1 ]; then
        echo "window \"$expected\" shows empty panes: $probe" >&2
        exit 1
    fi
    echo "window \"$expected\" appeared; $probe"
    exit 0
fi

editor=$1
demo_tool=$2
plugins=$3
for tool in xvfb-run xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed; skipping" >&2
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The editor remembers its window and recent files: not in the user's settings.
export XDG_CONFIG_HOME=$work/config
"$demo_tool" "$work" >/dev/null

for file in demo-hd.si demo-2xx.si; do
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash "$0" --inside "$editor" "$work/$file" "$plugins"
done
