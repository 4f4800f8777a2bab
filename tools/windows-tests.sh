#!/usr/bin/env bash
# Inside a Wine session: the in-process tests, then the end-to-end tests.
# Writes "suite<TAB>exit code" lines to ARTEFACTS/windows-results.tsv.
set -u
build=$1
artefacts=$2
results="$artefacts/windows-results.tsv"
: > "$results"

# Web pages and mail links go to a recorder instead of a browser: each address
# it is given becomes a line of $TL_OPENED, where the tests look for it.
export TL_OPENED="$(cd "$artefacts" && pwd)/opened.txt"
recorder="$(dirname "$TL_OPENED")/open-recorder.sh"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >> "%s"\n' "$TL_OPENED" > "$recorder"
chmod +x "$recorder"
: > "$TL_OPENED"
for program in Browsers Mailers; do
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v "$program" /d "$recorder" /f > /dev/null 2>&1
done

echo "-- in-process tests"
wine "$build/win_tests.exe" --gtest_brief=1
printf 'Windows in-process tests\t%s\n' $? >> "$results"

echo "-- end-to-end tests"
TL_BUILD="$build" TL_ARTEFACTS="$artefacts" python3 -m unittest discover -s tests/e2e -p 'test_*.py' -v
printf 'end-to-end tests\t%s\n' $? >> "$results"
