#!/usr/bin/env bash
# Inside a Wine session: the in-process tests, then the end-to-end tests.
# Writes "suite<TAB>exit code" lines to ARTEFACTS/windows-results.tsv.
set -u
build=$1
artefacts=$2
results="$artefacts/windows-results.tsv"
: > "$results"

echo "-- in-process tests"
wine "$build/win_tests.exe" --gtest_brief=1
printf 'Windows in-process tests\t%s\n' $? >> "$results"

echo "-- end-to-end tests"
TL_BUILD="$build" TL_ARTEFACTS="$artefacts" python3 -m unittest discover -s tests/e2e -p 'test_*.py' -v
printf 'end-to-end tests\t%s\n' $? >> "$results"
