#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the program as a screen reader does: a copy of the built program in a folder of its own,
# on a real X server, in a D-Bus session of its own with the accessibility bus (at-spi2-core),
# read and driven through libatspi (accessibility_test.py).
# Usage: accessibility_test.sh <build folder> [--show]
set -euo pipefail
build=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
mkdir "$root/program" "$root/home" && mkdir -m 700 "$root/runtime"
cp -r "$build/vocabrix" "$build/lib" "$build/XML" "$build/settings" "$build/help" "$root/program/"
# Its own home and runtime folder, so that nothing of the user's is read or written and no other
# session's bus is found. The system's Python, which has the GObject bindings of libatspi.
env -i PATH=/usr/bin:/bin HOME="$root/home" XDG_RUNTIME_DIR="$root/runtime" LANG=C.UTF-8 \
    ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
    timeout 100 xvfb-run -a dbus-run-session -- \
    /usr/bin/python3 "$here/accessibility_test.py" "$root/program/vocabrix" "$@"
