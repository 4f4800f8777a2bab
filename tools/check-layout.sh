#!/usr/bin/env bash
# The folder rules, checked: each folder includes only from its own floor and the
# floors below it. Portable logic (core/, files/, document/) and the resource
# headers are the ground floor; platform/ stands on it; ui/, sampling/ and
# settings/ on platform/; app/ and palette/ (the two programs) on the rest, and
# no product folder includes from a program's folder (tests and benchmarks may
# reach every floor). Prints each include that breaks a rule.
set -u
cd "$(dirname "$0")/.."
allowed() {  # allowed FOLDER: the folders its files may include from
  case $1 in
    core|files|document|res) echo "core files document res" ;;
    platform) echo "core files document res platform" ;;
    ui|sampling|settings) echo "core files document res platform ui sampling settings" ;;
    palette) echo "core files document res palette" ;;
    app) echo "core files document res platform ui sampling settings app" ;;
    *) echo "core files document res platform ui sampling settings app palette tests" ;;  # tests, bench
  esac
}
broken=0
while IFS=: read -r file _ include; do
  from=${file%%/*}
  to=$(sed -E 's/^#include "([^/"]+)\/.*/\1/' <<< "$include")
  [ "$to" = "$include" ] && continue  # a file beside it, or not one of ours
  if ! grep -qw -- "$to" <<< "$(allowed "$from")"; then
    echo "$file: $include"
    broken=1
  fi
done < <(git ls-files -- '*.cpp' '*.h' '*.rc' | xargs grep -n '^#include "' /dev/null)
[ "$broken" -eq 0 ] && echo "every include keeps to the folder rules"
exit "$broken"
