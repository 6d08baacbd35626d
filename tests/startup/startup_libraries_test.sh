#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a copy of the program until its main window first paints and fails when a library that
# only some actions need (HTTP, printing, SVG, an image plug-in) is mapped by then.
# Usage: startup_libraries_test.sh <build folder>
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cp -r "$build/vocabrix" "$build/lib" "$build/XML" "$build/settings" "$root/"
mkdir -m 700 "$root/runtime"
output=$(cd "$root" && env -i PATH=/usr/bin:/bin HOME="$root" XDG_RUNTIME_DIR="$root/runtime" \
    QT_QPA_PLATFORM=offscreen VOCABRIX_FIRST_PAINT=maps timeout 60 ./vocabrix 2>&1) ||
    { echo "$output"; exit 1; }
grep -qE '^[0-9]+$' <<<"$output" || { echo "the window never painted: $output"; exit 1; }
echo "start-up loaded none of the deferred libraries"
