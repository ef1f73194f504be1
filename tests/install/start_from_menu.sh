#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Ohmaris the way the desktop menu does, from the Exec line of its
# installed desktop entry, on the X display of the caller (run it under
# xvfb-run), then walks it as a user would: Esc on the chooser must bring up
# the exit confirmation, whose title is read from the language file, and
# confirming it must end the program with status 0.
#
#   start_from_menu.sh PREFIX DESKTOP_FILE EXIT_TITLE
#
# Prints what it saw and exits with the program's status, or 90 when the
# program never showed a window.
set -u
prefix=$1 desktop=$2 title=$3

exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -1)
exec_line=${exec_line//%[fFuUick]/}
export PATH="$prefix/bin:$PATH"
# LANG alone picks the language; the display is the X server, as on a desktop.
# shellcheck disable=SC2086  # the Exec line is split into words as a launcher does
env -u LC_ALL -u LC_NUMERIC -u QT_QPA_PLATFORM $exec_line 2>"${ERR_FILE:-/dev/null}" &
pid=$!

running() { kill -0 $pid 2>/dev/null; }

# Prints the first visible window of the program, or with a title, the first
# one so titled.
find_window() {
    local w
    for w in $(xdotool search --onlyvisible --classname ohmaris 2>/dev/null); do
        if [ $# -eq 0 ] || [ "$(LC_ALL=C.UTF-8 xdotool getwindowname "$w")" = "$1" ]; then
            echo "$w"
            return
        fi
    done
}

# Runs a command every 0.2 s, for at most SECONDS, until it prints something
# or the program has ended; prints what it printed last.
poll() {
    local seconds=$1 out="" i
    shift
    for ((i = 0; i < seconds * 5; i++)); do
        out=$("$@")
        [ -n "$out" ] && break
        running || break
        sleep 0.2
    done
    echo "$out"
}

# The program's first visible window: the chooser, or the message naming a
# language file that could not be read.
first=$(poll 30 find_window)
if [ -z "$first" ]; then
    echo "no window appeared"
    kill $pid 2>/dev/null
    wait $pid
    exit 90
fi
xdotool windowfocus --sync "$first"
xdotool key Escape

asked=$(poll 15 find_window "$title")
if [ -n "$asked" ]; then
    echo "exit confirmation titled '$title' shown"
    xdotool windowfocus --sync "$asked"
    # Cancel is the default button; Tab moves to OK.
    xdotool key Tab space
fi
poll 15 true >/dev/null
if running; then
    echo "still running"
    kill $pid
fi
wait $pid
