#!/usr/bin/env bash
# The golden comparison: answers of the program recorded before the core
# was rebuilt, compared with what the program built now gives.
#
#   tests/golden/golden.sh check  BUILD_DIR   # fails on any difference
#   tests/golden/golden.sh record BUILD_DIR   # writes tests/golden/expected
#   tests/golden/golden.sh record-pictures BUILD_DIR
#       rewrites only the picture answers (export.txt, pdf.txt and the
#       drawing digests of session.txt), after a deliberate change of the
#       picture; it refuses when any other answer differs.
#
# It covers --solve (both directions) of the examples and of 200 seeded
# random models, the --export picture of the examples and of 40 of them,
# the text of the --pdf page of the examples, and a scripted session
# (tests/golden/golden_session.cpp) over the examples and 100 of them.
set -euo pipefail
mode=$1
build=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
expected=$here/expected
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

mkdir -p "$work/models" "$work/actual"
cp "$root"/examples/*.kvr "$work/models/"
python3 "$here/make_models.py" "$work/models" 200
cd "$work/models"
examples=$(cd "$root/examples" && ls *.kvr)
all=$(ls *.kvr)

for f in $all; do
  for dir in --max --min; do
    "$build/tessaro" --solve "$f" "$dir" || echo "status $?"
  done
done 2>&1 | awk '
  # The sensitivity report that follows the recorded lines of each model
  # came later; the lines recorded before it must stay as they were.
  /^sensitivity:/ { skip = 1 }
  /^(model|note):/ { skip = 0 }
  !skip' >"$work/actual/solve.txt"

for f in $examples $(ls random0[0-3]?.kvr); do
  "$build/tessaro" --export "$f" "$work/out.png" >/dev/null 2>&1 || echo "status $?"
  echo "$f $(sha256sum <"$work/out.png" | cut -c1-64)"
done >"$work/actual/export.txt"

for f in $examples; do
  "$build/tessaro" --pdf "$f" "$work/out.pdf" >/dev/null 2>&1 || echo "status $?"
  echo "== $f"
  pdftotext -layout "$work/out.pdf" -
done >"$work/actual/pdf.txt"

"$build/tests/golden/golden_session" $examples $(ls random0??.kvr) >"$work/actual/session.txt"

if [ "$mode" = record-pictures ]; then
  if ! diff -u "$expected/solve.txt" "$work/actual/solve.txt" >"$work/solve.diff"; then
    echo "golden: solve differs; pictures not recorded"
    head -60 "$work/solve.diff"
    exit 1
  fi
  mask() { sed 's/ drawing [0-9a-f]*$//' "$1"; }
  if ! diff -u <(mask "$expected/session.txt") <(mask "$work/actual/session.txt") \
    >"$work/session.diff"; then
    echo "golden: session differs beyond the drawing digests; pictures not recorded"
    head -60 "$work/session.diff"
    exit 1
  fi
  cp "$work"/actual/export.txt "$work"/actual/pdf.txt "$work"/actual/session.txt "$expected/"
  echo "golden: recorded the export, pdf and drawing answers"
  exit 0
fi
if [ "$mode" = record ]; then
  mkdir -p "$expected"
  cp "$work"/actual/*.txt "$expected/"
  echo "golden: recorded $(cat "$expected"/*.txt | wc -l) lines"
  exit 0
fi
status=0
for f in solve export pdf session; do
  if ! diff -u "$expected/$f.txt" "$work/actual/$f.txt" >"$work/$f.diff"; then
    echo "golden: $f differs"
    head -60 "$work/$f.diff"
    status=1
  fi
done
[ $status = 0 ] && echo "golden: solve, export, pdf and session answers all identical"
exit $status
