#!/bin/sh
# Usage: check-table.sh LUPDATE LRELEASE TABLE.ts OUT_DIR SOURCE_DIR...
# Brings a copy of the table up to date with the sources and compiles it: every
# text the windows show must have its translation; only the main window's
# title "Physics" stays as it is written.
set -eu
lupdate=$1 lrelease=$2 table=$3 out=$4
shift 4
rm -rf "$out" && mkdir -p "$out"
cp "$table" "$out/table.ts"
"$lupdate" -locations none -no-obsolete "$@" -ts "$out/table.ts" >"$out/lupdate.log" 2>&1 ||
    { cat "$out/lupdate.log"; exit 1; }
"$lrelease" "$out/table.ts" -qm "$out/table.qm" >"$out/lrelease.log" 2>&1 ||
    { cat "$out/lrelease.log"; exit 1; }
cat "$out/lrelease.log"
grep -q '(\([0-9]*\) finished and 0 unfinished)' "$out/lrelease.log" || { echo "FAIL: unfinished translations"; exit 1; }
grep -q 'Ignored 1 untranslated source text' "$out/lrelease.log" || { echo "FAIL: untranslated texts besides the title"; exit 1; }
grep -A1 '<source>Physics</source>' "$out/table.ts" | grep -q 'type="unfinished"' || { echo "FAIL: the title is not the one left untranslated"; exit 1; }
echo "translation table complete"
