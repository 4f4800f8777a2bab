#!/usr/bin/env bash
# The folder rules, checked: each folder includes only from its own floor and the
# floors below it. Portable logic (core/, files/) and the resource headers are
# the ground floor; platform/ stands on it; ui/, sampling/ and settings/ on
# platform/; app/ (the two programs) on the rest, and no other product folder
# includes from app/ (tests and benchmarks may reach every floor). Prints each include that breaks a rule.
set -u
cd "$(dirname "$0")/.." || exit
allowed() {  # allowed FOLDER: the folders its files may include from
  case $1 in
    core|files|res) echo "core files res" ;;
    platform) echo "core files res platform" ;;
    ui|sampling|settings) echo "core files res platform ui sampling settings" ;;
    app) echo "core files res platform ui sampling settings app" ;;
    *) echo "core files res platform ui sampling settings app tests" ;;  # tests, bench
  esac
}
broken=0
last=""
# In the shell itself, with no process per include: make check runs this often.
while IFS=: read -r file _ include; do
  from=${file%%/*}
  [[ $include =~ ^\#include\ \"([^/\"]+)/ ]] || continue  # a file beside it, or not one of ours
  to=${BASH_REMATCH[1]}
  [ "$from" = "$last" ] || { rules=" $(allowed "$from") "; last=$from; }
  if [[ $rules != *" $to "* ]]; then
    echo "$file: $include"
    broken=1
  fi
done < <(git ls-files -- '*.cpp' '*.h' '*.rc' | xargs grep -n '^#include "' /dev/null)
[ "$broken" -eq 0 ] && echo "every include keeps to the folder rules"
exit "$broken"
