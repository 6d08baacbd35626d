#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on a real X server and reads the main window's title as the window
# manager sees it: exactly the caption, with nothing appended by the toolkit.
# Usage: window_title_test.sh <build folder>
set -euo pipefail
build=$1
expected="Vocabrix  GRE /GMAT/ SAT/TOEFL  Vocabulary Builder "

check() {
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    QT_QPA_PLATFORM=xcb "$build/vocabrix" >/dev/null 2>&1 &
    program=$!
    trap 'kill $program 2>/dev/null || true' EXIT
    local window
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "Vocabulary Builder" | head -1)
    local name wmname
    name=$(xdotool getwindowname "$window")
    wmname=$(xprop -id "$window" _NET_WM_NAME | sed -E 's/^[^"]*"(.*)"$/\1/')
    kill "$program"
    if [ "$name" != "$expected" ] || [ "$wmname" != "$expected" ]; then
        echo "title is [$name] / [$wmname], expected [$expected]" >&2
        exit 1
    fi
    echo "title: [$name]"
}

if [ -z "${DISPLAY_READY:-}" ]; then
    export DISPLAY_READY=1 XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
    exec xvfb-run -a "$0" "$build"
fi
check
