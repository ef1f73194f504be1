#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the real program costs while a lab stands open and nothing changes:
# wake-ups per second and processor per cent of one core, per lab.
#
#   tools/bench/rest.sh [--seconds N] [--settle N] [--repeat N] [--labs "0 1 .. 8"]
#                       [--size WxH] [--program PATH]
#
# Runs on a virtual X display of its own (Xvfb, started through xvfb-run).
# For each lab it starts the program afresh, opens the lab from the chooser
# with the keyboard as a student would (Down to the lab's option, Enter for
# Next), leaves it alone --settle seconds (5) so the pointers come to rest,
# and then watches it for --seconds (30) without touching it. Lab 0 is the
# chooser alone. From /proc, summed over the threads of the process (one
# that ends while watched is left out, one that begins counts from zero):
#   wake-ups  voluntary context switches (a thread went to sleep, and so was
#             woken again), per second; "main" is the GUI thread alone
#   cpu       processor time from the scheduler's own count (schedstat, in
#             nanoseconds), as a per cent of one core over the window
# Processor time is what the process itself ran, so other programs on the
# machine do not inflate it; --repeat runs each lab again and prints the
# median. The figures are printed, never judged.
set -u

seconds=30 settle=5 repeat=1 labs="0 1 2 3 4 5 6 7 8" size=1280x1024
here=$(cd "$(dirname "$0")" && pwd)
program="$here/../../build/bin/ohmaris"
while [ $# -gt 0 ]; do
    case $1 in
    --seconds) seconds=$2; shift 2 ;;
    --settle) settle=$2; shift 2 ;;
    --repeat) repeat=$2; shift 2 ;;
    --labs) labs=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    *) sed -n '2,/^set -u/p' "$0" | sed '$d; s/^# \{0,1\}//' >&2; exit 2 ;;
    esac
done
program=$(realpath "$program")
if [ ! -x "$program" ]; then
    echo "rest.sh: no program at $program (build it first)" >&2
    exit 2
fi
for tool in xvfb-run xdotool; do
    command -v $tool >/dev/null || { echo "rest.sh: $tool is needed" >&2; exit 2; }
done

# On a display of our own: start again inside xvfb-run.
if [ -z "${OHMARIS_REST_DISPLAY:-}" ]; then
    exec env OHMARIS_REST_DISPLAY=1 xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" \
        "$0" --seconds "$seconds" --settle "$settle" --repeat "$repeat" --labs "$labs" --program "$program"
fi

pid=""
tmp=$(mktemp -d)
stop_program() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    pid=""
}
trap 'stop_program; rm -rf "$tmp"' EXIT

# The program's visible windows, one id a line.
windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null; }

# Waits (at most 30 s) for a visible window; with a name, for one named
# otherwise. Prints its id.
wait_window() {
    local not=${1:-} w i
    for ((i = 0; i < 150; i++)); do
        for w in $(windows); do
            if [ -z "$not" ] || [ "$(xdotool getwindowname "$w")" != "$not" ]; then
                echo "$w"
                return
            fi
        done
        kill -0 "$pid" 2>/dev/null || return
        sleep 0.2
    done
}

# One line per thread: its id, its voluntary switches, its processor
# nanoseconds.
snapshot() {
    local t v run
    for t in /proc/"$pid"/task/*; do
        v=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$t/status" 2>/dev/null)
        read -r run _ <"$t/schedstat" 2>/dev/null || continue
        [ -n "$v" ] && echo "${t##*/} $v $run"
    done
}

# From two snapshots (files) over `seconds`: wake-ups a second of all
# threads and of the main thread, and the per cent of one core. A thread
# that began in between counts from zero; one that ended in between is
# left out.
rates() {
    awk -v main="$pid" -v s="$seconds" '
        FNR == NR { v0[$1] = $2; n0[$1] = $3; next }
        { dv = $2 - v0[$1]; dn = $3 - n0[$1]; vol += dv; ns += dn; if ($1 == main) mv = dv }
        END { printf "%.2f %.2f %.4f\n", vol / s, mv / s, ns / (s * 1e7) }' "$1" "$2"
}

median() { sort -g | awk '{a[NR] = $1} END {if (NR % 2) print a[(NR + 1) / 2]; else print (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }

echo "rest cost of $program"
echo "screen $size, each lab left alone ${settle} s after opening, then watched ${seconds} s; ${repeat} run(s) a lab"
printf '%-8s %12s %12s %10s %8s\n' lab "wake-ups/s" "main/s" "cpu %" threads
summary=""
for lab in $labs; do
    wakes="" mains="" cpus=""
    for ((r = 0; r < repeat; r++)); do
        env -u QT_QPA_PLATFORM LANG=C.UTF-8 LC_ALL=C.UTF-8 "$program" 2>/dev/null &
        pid=$!
        chooser=$(wait_window)
        if [ -z "$chooser" ]; then
            echo "lab $lab: the program showed no window" >&2
            stop_program
            continue
        fi
        if [ "$lab" -gt 0 ]; then
            name=$(xdotool getwindowname "$chooser")
            xdotool windowactivate --sync "$chooser" 2>/dev/null || xdotool windowfocus --sync "$chooser"
            for ((k = 1; k < lab; k++)); do xdotool key --delay 60 Down; done
            xdotool key Return
            if [ -z "$(wait_window "$name")" ]; then
                echo "lab $lab: its window did not open" >&2
                stop_program
                continue
            fi
        fi
        sleep "$settle"
        snapshot >"$tmp/before"
        sleep "$seconds"
        snapshot >"$tmp/after"
        threads=$(wc -l <"$tmp/after")
        read -r wake main cpu < <(rates "$tmp/before" "$tmp/after")
        stop_program
        printf '%-8s %12s %12s %10s %8s\n' "$lab" "$wake" "$main" "$cpu" "$threads"
        wakes+="$wake"$'\n' mains+="$main"$'\n' cpus+="$cpu"$'\n'
    done
    [ -n "$wakes" ] || continue
    summary+=$(printf '%-8s %12s %12s %10s' "$lab" "$(printf '%s' "$wakes" | median)" \
        "$(printf '%s' "$mains" | median)" "$(printf '%s' "$cpus" | median)")$'\n'
done
if [ "$repeat" -gt 1 ]; then
    echo "medians:"
    printf '%s' "$summary"
fi
