#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `vocabrix --memory-report [--fit]` run as a learner would, without a display, on a progress
# file in a new user's folder: JSON on the standard output and the file left as it was; a clear
# message and status 1 for a file that cannot be read. Usage: memory_report_test.sh <build folder>
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# The program outside the build tree, so that the user's folder is its program folder.
mkdir -p "$root/bin"
cp "$build/vocabrix" "$root/bin/"
progress="$root/home/.local/share/vocabrix/vocabrix/progress/progress.sqlite"
mkdir -p "$(dirname "$progress")"
report() {
    env -i PATH=/usr/bin:/bin HOME="$root/home" "$root/bin/vocabrix" --memory-report "$@"
}

# 300 words over two months, answered as a learner who forgets quicker than most might answer.
python3 - <<'EOF' | sqlite3 "$progress"
import datetime, random
random.seed(5)
print("BEGIN;")
print("""CREATE TABLE reviews (id INTEGER PRIMARY KEY, word TEXT NOT NULL,
    reviewed_at TEXT NOT NULL, rating INTEGER NOT NULL, source TEXT NOT NULL,
    dictionary TEXT NOT NULL DEFAULT '', duration_ms INTEGER NOT NULL DEFAULT 0);
    CREATE UNIQUE INDEX reviews_by_word ON reviews (word, reviewed_at, rating, source);
    PRAGMA user_version = 1;""")
start = datetime.datetime(2025, 1, 6, 8, 0)
for word in range(300):
    time = start + datetime.timedelta(days=word // 20, minutes=word % 60)
    stability = random.choice([0.5, 1.5, 4.0])
    for gap in [0, 0.01, 1, 3, 7, 16, 35]:
        time += datetime.timedelta(days=gap)
        rating = random.choice([1, 3, 3])
        if gap >= 1:
            rating = 3 if random.random() < (1 + 19 / 81 * gap / stability) ** -0.5 else 1
            stability *= 2.5 if rating == 3 else 0.4
        print(f"INSERT INTO reviews (word, reviewed_at, rating, source) VALUES ('w{word}', "
              f"'{time:%Y-%m-%dT%H:%M:%S}.000Z', {rating}, 'study');")
print("COMMIT;")
EOF
cp "$progress" "$root/before.sqlite"

# The list Study Today starts with: those 300 words and 200 never answered.
folder=$(dirname "$(dirname "$progress")")
mkdir -p "$folder/XML" "$folder/settings"
python3 - >"$folder/XML/gre.xml" <<'EOF'
print("<GRE>\n<word>heading</word><meaning>x</meaning><usage>x</usage>")
for word in [f"w{i}" for i in range(300)] + [f"u{i}" for i in range(200)]:
    print(f"<word>{word}</word><meaning>(n.) m</meaning><usage>A {word}.</usage>")
print("</GRE>")
EOF

report >"$root/plain.json"
report --fit >"$root/fit.json"
# With an exam date six weeks ahead and 10 minutes a day, the retention for the exam.
printf 'exam_date=%s\r\ndaily_minutes=10\r\n' "$(date -d '+42 days' +%F)" >"$folder/settings/study.txt"
report >"$root/exam.json"
cmp "$progress" "$root/before.sqlite" || { echo "the report changed the progress file"; exit 1; }
# The wrong picks a later version keeps: the pairs confused most, from a file only read.
cp "$progress" "$root/picks.sqlite"
sqlite3 "$root/picks.sqlite" "ALTER TABLE reviews ADD COLUMN format TEXT NOT NULL DEFAULT 'meaning';
    ALTER TABLE reviews ADD COLUMN wrong_pick TEXT NOT NULL DEFAULT '';
    UPDATE reviews SET wrong_pick = 'W2' WHERE word = 'w1' AND rating = 1;
    UPDATE reviews SET wrong_pick = 'w1' WHERE word = 'w2' AND rating = 1;
    UPDATE reviews SET wrong_pick = 'w9x', format = 'typed_recall' WHERE word = 'w9';
    PRAGMA user_version = 2;"
cp "$root/picks.sqlite" "$progress"
report >"$root/picks.json"
cp "$root/before.sqlite" "$progress"
python3 - "$root/plain.json" "$root/fit.json" "$root/exam.json" "$root/picks.json" <<'EOF'
import datetime, json, sys
plain, fit, exam, picks = (json.load(open(name)) for name in sys.argv[1:])
assert plain["confused_pairs"] == [], plain["confused_pairs"]
pairs = picks["confused_pairs"]
assert [pair["words"] for pair in pairs] == [["w1", "w2"]], pairs
assert pairs[0]["times"] > 1 and pairs[0]["last_on"] < str(datetime.date.today()), pairs
assert "suggested_retention" not in plain, "no exam date, no suggestion"
suggestion = exam["suggested_retention"]
assert suggestion["exam_date"] == str(datetime.date.today() + datetime.timedelta(days=42))
assert suggestion["daily_minutes"] == 10 and suggestion["words"] == 500, suggestion
current, suggested = suggestion["current"], suggestion["suggested"]
assert current["retention"] == 0.9, current
assert 0.75 <= suggested["retention"] <= 0.95, suggested
assert 0 < current["words_recalled"] <= suggested["words_recalled"] <= 500, suggestion
assert suggestion["summary"].endswith("within your 10 minutes a day."), suggestion["summary"]
assert exam["current"] == plain["current"], "the same parameters and figures"
assert plain["reviews"] == 2100 and plain["words"] == 300, plain
assert plain["items"] == 1500, plain["items"]
current = plain["current"]
assert current["source"] == "defaults" and len(current["parameters"]) == 21, current
assert 0 < current["figures"]["log_loss"] < 1 and 0 < current["figures"]["rmse_bins"] < 1
assert "fitted" not in plain and "held_out" not in plain
assert fit["current"] == current, "the same figures with --fit"
fitted = fit["fitted"]
assert fitted["scope"] == "all parameters" and len(fitted["parameters"]) == 21, fitted
assert fitted["parameters"] != current["parameters"]
assert fitted["figures"]["log_loss"] < current["figures"]["log_loss"], fitted
held = fit["held_out"]
assert held["items"] == 300 and held["fitted"]["items"] == 300, held
assert isinstance(held["better"], bool) and fit["summary"], fit
EOF

# What cannot be read: a file of something else, no file, an option unknown. Nothing on the
# standard output, a message on the error output, status 1, and the file as it was.
expect_failure() { # message expected, report arguments...
    local expected=$1
    shift
    local status=0
    report "$@" >"$root/out" 2>"$root/err" || status=$?
    [ "$status" = 1 ] || { echo "status $status, not 1, for: $expected"; exit 1; }
    [ ! -s "$root/out" ] || { echo "output for: $expected"; cat "$root/out"; exit 1; }
    grep -q "$expected" "$root/err" || { echo "no '$expected' in:"; cat "$root/err"; exit 1; }
}
head -c 5000 /dev/urandom >"$progress"
cp "$progress" "$root/garbage"
expect_failure "is not a progress file"
cmp "$progress" "$root/garbage"
test "$(ls "$(dirname "$progress")")" = progress.sqlite || { echo "the report set a file aside"; exit 1; }
rm "$progress"
expect_failure "there is no such file"
test ! -e "$progress" || { echo "the report made a progress file"; exit 1; }
expect_failure "Unknown option --verbose" --verbose
echo "memory report: JSON without a window, the file as it was, failures told"
