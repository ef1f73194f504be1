#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What an installation of Ohmaris holds, checked the way a system would use it.
#
#   check_install.sh tree    BUILD APP_ID VERSION   cmake --install into a DESTDIR:
#       every file in its place, the desktop entry and metainfo validated, the
#       installed program started from the entry's Exec line on a virtual X
#       display, both manual pages rendered.
#   check_install.sh package BUILD APP_ID VERSION   cpack: the .deb's file list
#       and control fields, and the unpacked package started the same way.
#
# Prints one line per failed check and exits 1 when any failed.
set -u
mode=${1:?mode}
build=${2:?build folder}
app_id=${3:?application id}
version=${4:?version}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }
need() { command -v "$1" >/dev/null || { echo "FAIL: $1 is not installed (make deps installs it)"; exit 1; }; }

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The files a user's installation holds, relative to the prefix.
expected_files() {
    printf '%s\n' bin/ohmaris bin/ohmaris-calc \
        share/ohmaris/Data/Eng.txt share/ohmaris/Data/Rus.txt \
        "share/applications/$app_id.desktop" \
        "share/metainfo/$app_id.metainfo.xml" \
        "share/icons/hicolor/scalable/apps/$app_id.svg" \
        share/man/man1/ohmaris.1.gz share/man/man1/ohmaris-calc.1.gz \
        share/doc/ohmaris/copyright
    for size in 16 22 24 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
}

# A text as an extended regular expression that matches only itself.
ere() { sed 's/[][\\.*^$()+?{}|]/\\&/g' <<<"$1"; }

# Width and height of a PNG from its IHDR chunk, as "WxH".
png_size() {
    local b
    read -r -a b < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((b[0] << 24) + (b[1] << 16) + (b[2] << 8) + b[3]))x$(((b[4] << 24) + (b[5] << 16) + (b[6] << 8) + b[7]))"
}

check_files() {
    local prefix=$1 f missing=0
    while read -r f; do
        [ -f "$prefix/$f" ] || { fail "not installed: $f"; missing=1; }
    done < <(expected_files)
    [ $missing -eq 0 ] && ok "every file installed under $prefix"
    for f in "$prefix"/share/icons/hicolor/*x*/apps/"$app_id".png; do
        local dir=${f%/apps/*}
        [ "$(png_size "$f")" = "${dir##*/}" ] || fail "icon $f is $(png_size "$f")"
    done
}

check_desktop_entry() {
    local prefix=$1 desktop=$1/share/applications/$app_id.desktop
    if desktop-file-validate "$desktop" >"$work/dfv" 2>&1 && ! grep -q 'error:' "$work/dfv"; then
        ok "desktop-file-validate"
    else
        fail "desktop-file-validate: $(cat "$work/dfv")"
    fi
    local exec icon
    exec=$(sed -n 's/^Exec=//p' "$desktop" | head -1)
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -x "$prefix/bin/${exec%% *}" ] || fail "Exec=$exec is not an installed program"
    [ "$icon" = "$app_id" ] || fail "Icon=$icon is not $app_id"
    grep -q '^Name\[ru\]=' "$desktop" && grep -q '^Comment\[ru\]=' "$desktop" || fail "no Russian name or comment"
    for c in Education Science Electronics; do
        grep -q "^Categories=.*\b$c;" "$desktop" || fail "category $c missing"
    done
    # One action per lab, named as the lab's window is titled in each
    # language file, opening that lab.
    local n en ru group
    for n in 1 2 3 4 5 6 7 8; do
        grep -q "^Actions=.*\blab$n;" "$desktop" || fail "Actions lacks lab$n"
        group=$(sed -n "/^\[Desktop Action lab$n\]/,/^\[/p" "$desktop")
        en=$(sed -n "s/\r\$//; s/^\"//; s/\"\$//; /^Lab $n\. /{p;q}" "$prefix/share/ohmaris/Data/Eng.txt")
        ru=$(sed -n "s/\r\$//; s/^\"//; s/\"\$//; /^Работа $n\. /{p;q}" "$prefix/share/ohmaris/Data/Rus.txt")
        grep -qxF "Exec=ohmaris --lab $n" <<<"$group" || fail "action lab$n does not run ohmaris --lab $n"
        grep -qxF "Name=$en" <<<"$group" || fail "action lab$n is not named '$en'"
        grep -qxF "Name[ru]=$ru" <<<"$group" || fail "action lab$n is not named '$ru' in Russian"
    done
    ok "one action per lab, named in English and Russian"
}

check_metainfo() {
    local prefix=$1 meta=$1/share/metainfo/$app_id.metainfo.xml
    if appstreamcli validate --no-net "$meta" >"$work/asv" 2>&1; then
        ok "appstreamcli validate --no-net"
    else
        fail "appstreamcli validate: $(cat "$work/asv")"
    fi
    grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"" "$meta" ||
        fail "metainfo has no release $version with a date"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$meta" ||
        fail "metainfo does not launch $app_id.desktop"
}

# The installed program, started from its desktop entry's Exec line on a
# virtual X display where it cannot see the build tree, reads its language
# files from share/ohmaris/Data: its exit confirmation carries the title from
# the language file (block 1 item 15) and confirming it ends the program with
# status 0. Without the files it stops with status 1, naming the file.
check_program_starts() {
    local prefix=$1 display=$2 desktop=$1/share/applications/$app_id.desktop lang file title rc
    local start=(xvfb-run -a -n "$display" -s "-screen 0 1024x768x24" bash "$here/start_from_menu.sh" "$prefix" "$desktop")
    for lang in C.UTF-8:Eng ru_RU.UTF-8:Rus; do
        file=$prefix/share/ohmaris/Data/${lang#*:}.txt
        title=$(sed -n '15{s/\r$//;p}' "$file")
        (cd "$work" && LANG=${lang%%:*} "${start[@]}" "$title" >"$work/out" 2>&1)
        rc=$?
        if [ $rc -eq 0 ] && grep -q "exit confirmation titled" "$work/out"; then
            ok "the desktop entry's Exec line starts ohmaris with LANG=${lang%%:*}: $(cat "$work/out")"
        else
            fail "ohmaris from the Exec line with LANG=${lang%%:*}: status $rc: $(cat "$work/out")"
        fi
    done
    # The lab 5 action, with --lang ru added, under an English locale: lab 5's
    # window comes up at once, titled in Russian.
    title=$(sed -n 's/\r$//; /^Работа 5\. /{p;q}' "$prefix/share/ohmaris/Data/Rus.txt")
    (cd "$work" && LANG=C.UTF-8 xvfb-run -a -n "$display" -s "-screen 0 1024x768x24" \
        bash "$here/start_lab_action.sh" "$prefix" "$desktop" lab5 --lang ru >"$work/out" 2>&1)
    if [ "$(sed 's/^ *//' "$work/out")" = "$title" ]; then
        ok "the lab5 action with --lang ru opens lab 5 at once, titled '$title'"
    else
        fail "the lab5 action with --lang ru: first window '$(cat "$work/out")', not '$title'"
    fi
    mv "$prefix/share/ohmaris/Data" "$prefix/share/ohmaris/Data.away"
    (cd "$work" && LANG=C.UTF-8 ERR_FILE="$work/err" "${start[@]}" Exit >"$work/out" 2>&1)
    rc=$?
    if [ $rc -eq 1 ] && grep -q '^ohmaris: Language file .*Eng\.txt' "$work/err"; then
        ok "without its language files it stops with status 1 naming Eng.txt"
    else
        fail "without its language files: status $rc: $(cat "$work/out" "$work/err")"
    fi
    mv "$prefix/share/ohmaris/Data.away" "$prefix/share/ohmaris/Data"
}

# man renders both pages without a warning. The calculator's page lists every
# lab, input (NAME=DEFAULT) and output in the order the tool's --help lists them.
check_man_pages() {
    local prefix=$1 page
    for page in ohmaris ohmaris-calc; do
        if LC_ALL=C.UTF-8 MANWIDTH=100 man --warnings -l "$prefix/share/man/man1/$page.1.gz" \
            >"$work/$page.txt" 2>"$work/man.err" && [ ! -s "$work/man.err" ] &&
            grep -q "^NAME" "$work/$page.txt" && grep -q "Ohmaris $version" "$work/$page.txt"; then
            ok "man -l $page.1.gz"
        else
            fail "man -l $page.1.gz: $(cat "$work/man.err")"
        fi
    done
    "$prefix/bin/ohmaris-calc" --help >"$work/help.txt" || fail "ohmaris-calc --help failed"
    local line from=1 at expected section="" count=0 missed=0
    while IFS= read -r line; do
        case $line in
        "lab "*) expected="^   Lab $(ere "${line#lab }")\$" ;;
        "  inputs:") section=in; continue ;;
        "  outputs:") section=out; continue ;;
        "  example:" | "  circuit notes:") section=""; continue ;;
        "      "*) # a sample record's field, indented under "samples"
                 [ "$section" = out ] || continue
                 read -r -a words <<<"$line"
                 expected="^ {14}$(ere "${words[0]}")( |\$)" ;;
        "    "*) [ -n "$section" ] || continue
                 read -r -a words <<<"$line"
                 if [ $section = in ]; then expected="^       $(ere "${words[0]}=${words[2]}")( |\$)"
                 else expected="^       $(ere "${words[0]}")( |\$)"; fi ;;
        *) continue ;;
        esac
        at=$(tail -n +"$from" "$work/ohmaris-calc.txt" | grep -n -m1 -E "$expected" | cut -d: -f1)
        if [ -z "$at" ]; then
            fail "ohmaris-calc.1 lacks, or has out of order: $line"
            missed=1
        else
            from=$((from + at))
            count=$((count + 1))
        fi
    done <"$work/help.txt"
    [ $count -gt 0 ] && [ $missed -eq 0 ] && ok "ohmaris-calc.1 lists, in order, the $count labs, inputs and outputs that --help lists"
}

check_package() {
    need dpkg-deb; need xvfb-run; need xdotool
    cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
        { fail "cpack: $(tail -20 "$work/cpack.log")"; return; }
    local deb
    deb="$work/pkg/ohmaris_${version}_$(dpkg --print-architecture).deb"
    [ -f "$deb" ] || { fail "no $deb: $(ls "$work/pkg")"; return; }
    ok "built ${deb##*/}"

    dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { print $6 }' | sed 's|^\./usr/||' | sort >"$work/listed"
    expected_files | sort >"$work/expected"
    if diff -u "$work/expected" "$work/listed" >"$work/diff"; then
        ok "dpkg-deb -c lists exactly the installed files under /usr"
    else
        fail "package file list differs (- expected, + packaged): $(cat "$work/diff")"
    fi

    [ "$(dpkg-deb -f "$deb" Package)" = ohmaris ] || fail "package name $(dpkg-deb -f "$deb" Package)"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
    local depends dep
    depends=$(dpkg-deb -f "$deb" Depends)
    for dep in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins qt6-wayland fonts-liberation2 fonts-urw-base35 libstdc++6 libc6; do
        grep -Eq "(^|, )$(ere "$dep")( |,|\$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
    done
    ok "Depends: $depends"

    # The programs are stripped, and the package unpacks to a program that runs.
    dpkg-deb -x "$deb" "$work/root"
    readelf -S "$work/root/usr/bin/ohmaris" | grep -q '\.debug_info' && fail "ohmaris is not stripped"
    check_program_starts "$work/root/usr" 190
}

case $mode in
tree)
    need desktop-file-validate; need appstreamcli; need man; need xvfb-run; need xdotool
    DESTDIR="$work/root" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
        { fail "cmake --install: $(tail -20 "$work/install.log")"; exit 1; }
    check_files "$work/root/usr"
    check_desktop_entry "$work/root/usr"
    check_metainfo "$work/root/usr"
    check_program_starts "$work/root/usr" 180
    check_man_pages "$work/root/usr"
    ;;
package)
    check_package
    ;;
*)
    echo "usage: $0 tree|package BUILD APP_ID VERSION" >&2
    exit 2
    ;;
esac

[ $failures -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
