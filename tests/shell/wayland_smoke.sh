#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the Wayland test program inside a headless weston of its own: a
# private runtime folder and socket, a 1366 x 768 output; the compositor is
# stopped however the test ends. Exit 77 (skipped) without weston or Qt's
# Wayland platform.
#   wayland_smoke.sh TEST_PROGRAM [ARGS...]
set -u
program=$1
shift
command -v weston >/dev/null 2>&1 || { echo "weston is not installed: skipped"; exit 77; }
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
[ -e "$plugins/platforms/libqwayland-generic.so" ] || { echo "Qt's Wayland platform (qt6-wayland) is not installed: skipped"; exit 77; }

runtime=$(mktemp -d "${TMPDIR:-/tmp}/ohmaris-wayland.XXXXXX") || exit 1
chmod 700 "$runtime"
socket=wayland-ohmaris
log="$runtime/weston.log"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket --width=1366 --height=768 \
  --idle-time=0 --no-config >"$log" 2>&1 &
weston_pid=$!
trap 'kill $weston_pid 2>/dev/null; wait $weston_pid 2>/dev/null; rm -rf "$runtime"' EXIT INT TERM

waited=0
while [ ! -S "$runtime/$socket" ]; do
  if ! kill -0 $weston_pid 2>/dev/null || [ $waited -ge 100 ]; then
    echo "weston did not start:"; cat "$log"; exit 1
  fi
  sleep 0.1
  waited=$((waited + 1))
done

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$program" "$@"
