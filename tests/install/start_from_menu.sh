#!/bin/bash
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

visible_windows() { xdotool search --onlyvisible --classname ohmaris 2>/dev/null; }

# The program's first visible window: the chooser, or the message naming a
# language file that could not be read.
first=""
for _ in $(seq 150); do
    first=$(visible_windows | head -1)
    [ -n "$first" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.2
done
if [ -z "$first" ]; then
    echo "no window appeared"
    kill $pid 2>/dev/null
    wait $pid
    exit 90
fi
xdotool windowfocus --sync "$first"
xdotool key Escape

asked=""
for _ in $(seq 75); do
    for w in $(visible_windows); do
        [ "$(LC_ALL=C.UTF-8 xdotool getwindowname "$w")" = "$title" ] && asked=$w
    done
    [ -n "$asked" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.2
done
if [ -n "$asked" ]; then
    echo "exit confirmation titled '$title' shown"
    xdotool windowfocus --sync "$asked"
    # Cancel is the default button; Tab moves to OK.
    xdotool key Tab space
fi
for _ in $(seq 75); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.2
done
if kill -0 $pid 2>/dev/null; then
    echo "still running"
    kill $pid
fi
wait $pid
