#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program as a screen reader meets it: a virtual X display of its
# own (the server picks a free display number, so parallel tests never
# share one), the accessibility bus of AT-SPI on this D-Bus session (run
# this script under dbus-run-session), the program with Qt's accessibility
# always on; then the Python client drives it by keys and reads it.
#
#   run_atspi.sh PROGRAM CLIENT
#
# Exits with the client's status; 77 when a piece of the stack is missing.
set -u
program=$1 client=$2

for tool in Xvfb xdotool dbus-send; do
    command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 77; }
done
# The distribution's Python, which python3-pyatspi belongs to (a python3
# earlier on the PATH may be another installation).
python=/usr/bin/python3
[ -x "$python" ] || python=$(command -v python3) || { echo "missing: python3"; exit 77; }
launcher=""
for l in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [ -x "$l" ] && launcher=$l && break
done
[ -n "$launcher" ] || { echo "missing: at-spi-bus-launcher"; exit 77; }
"$python" -c 'import pyatspi' 2>/dev/null || { echo "missing: python3-pyatspi"; exit 77; }
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "no D-Bus session (run under dbus-run-session)"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT

# Polls a command every 0.1 s for at most SECONDS until it succeeds.
poll() {
    local seconds=$1 i
    shift
    for ((i = 0; i < seconds * 10; i++)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
poll 30 test -s "$work/display" || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
echo "display $DISPLAY"

"$launcher" --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
a11y_bus() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1
}
poll 30 a11y_bus || { echo "the AT-SPI bus did not start"; cat "$work/atspi.log"; exit 1; }

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

"$python" "$client" "$program_pid"
status=$?
if [ $status -ne 0 ]; then
    echo "--- program output"
    cat "$work/program.log"
fi
exit $status
