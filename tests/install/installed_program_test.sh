#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix, starts the installed program as a new user and
# checks that the user's folder is seeded and the dictionary loads; a second start keeps the
# user's changed settings. Usage: installed_program_test.sh <build folder>
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cmake --install "$build" --prefix "$root/prefix" >/dev/null
test -x "$root/prefix/bin/vocabrix"
test -f "$root/prefix/share/vocabrix/XML/gre.xml"
for list in confusables synonyms ipa; do # the lists the program reads beside the dictionary
    test -f "$root/prefix/share/vocabrix/XML/gre.$list.tsv"
done
for module in http print zip speech; do
    [ "$module" != speech ] || [ -f "$build/lib/vocabrix_speech.so" ] || continue
    ls "$root"/prefix/lib*/vocabrix/vocabrix_$module.so >/dev/null
done
test -f "$root/prefix/share/applications/io.sourceforge.vocabrix.desktop"
test -f "$root/prefix/share/icons/hicolor/scalable/apps/vocabrix.svg"
grep -q "License: GPL-3.0+" "$root/prefix/share/doc/vocabrix/copyright"
sleep 1
touch "$root/installed"

start() { # runs the installed program until start-up has said what it loaded
    mkdir -p "$root/runtime" && chmod 700 "$root/runtime"
    env -i PATH=/usr/bin:/bin HOME="$root/home" XDG_RUNTIME_DIR="$root/runtime" \
        QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="vocabrix.startup.info=true" \
        "$root/prefix/bin/vocabrix" >"$root/output" 2>&1 &
    local program=$!
    for _ in $(seq 100); do
        grep -qE "loaded|no dictionary" "$root/output" && break
        sleep 0.1
    done
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    cat "$root/output"
}

user="$root/home/.local/share/vocabrix/vocabrix"
output=$(start)
grep -q "loaded [0-9]* words from $user/XML/gre.xml" <<<"$output" ||
    { echo "first start did not load the seeded dictionary: $output"; exit 1; }
cmp "$user/XML/gre.xml" "$root/prefix/share/vocabrix/XML/gre.xml"
test -f "$user/settings/settings.ini"
test -d "$user/Logs"

printf '255\r\nArial\r\n30\r\n0\r\nArial\r\n14\r\n0\r\nArial\r\n12\r\n0\r\nArial\r\n24' \
    >"$user/settings/settings.ini"
printf '<GRE><word>mine</word><meaning>m</meaning><usage>u</usage><word>own</word><meaning>m</meaning><usage>u</usage></GRE>' >"$user/XML/gre.xml"
output=$(start)
grep -q "loaded 2 words" <<<"$output" ||
    { echo "second start did not keep the user's dictionary: $output"; exit 1; }
grep -q "^255" "$user/settings/settings.ini" || { echo "settings were replaced"; exit 1; }
if [ -n "$(find "$root/prefix" -newer "$root/installed")" ]; then
    echo "the program wrote below its installation prefix"
    exit 1
fi
echo "installed program: seeded, loaded, and kept the user's files"
