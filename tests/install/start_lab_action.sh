#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts one of Ohmaris' desktop actions the way a launcher's right-click
# list does, from the Exec line of its [Desktop Action NAME] group, with
# words added at its end, on the X display of the caller (run it under
# xvfb-run); prints the title of the program's first visible window and
# ends the program.
#
#   start_lab_action.sh PREFIX DESKTOP_FILE ACTION [WORD ...]
#
# Exits 90 when no window appeared.
set -u
prefix=$1 desktop=$2 action=$3
shift 3

exec_line=$(sed -n "/^\[Desktop Action $action\]/,/^\[/{s/^Exec=//p}" "$desktop" | head -1)
exec_line=${exec_line//%[fFuUick]/}
export PATH="$prefix/bin:$PATH"
# shellcheck disable=SC2086  # the Exec line is split into words as a launcher does
env -u QT_QPA_PLATFORM $exec_line "$@" 2>/dev/null &
pid=$!

title=""
for ((i = 0; i < 150; i++)); do
    for w in $(xdotool search --onlyvisible --classname ohmaris 2>/dev/null); do
        title=$(LC_ALL=C.UTF-8 xdotool getwindowname "$w")
        break
    done
    [ -n "$title" ] && break
    kill -0 $pid 2>/dev/null || break
    sleep 0.2
done
kill $pid 2>/dev/null
wait $pid 2>/dev/null
[ -n "$title" ] || { echo "no window appeared"; exit 90; }
echo "$title"
