#!/usr/bin/env bash
# Starts the built Tintlens under Wine. With $DISPLAY set it opens there; without
# one it starts a private virtual display, waits for the main window, saves a
# screenshot to BUILD/run/screenshot.png and keeps running until interrupted (or
# for RUN_SECONDS seconds). The Wine prefix in BUILD/run/prefix is kept, so the
# settings stay from one run to the next.
set -u
build=${1:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit
mkdir -p "$build/run"

if [ "${TL_INSIDE_SESSION:-}" != 1 ]; then
  export TL_INSIDE_SESSION=1
  [ -z "${DISPLAY:-}" ] && export TL_VIRTUAL_DISPLAY=1
  exec tools/wine-session.sh --use-display --prefix "$build/run/prefix" -- "$0" "$build"
fi

wine "$build/win64/tintlens.exe" &
program=$!
stop() { kill "$program" 2>/dev/null; wait "$program" 2>/dev/null; }
trap 'stop; exit 130' INT
trap 'stop; exit 143' TERM

# Wait for the main window (a condition, not a fixed time), then show where it is.
window=""
for _ in $(seq 1 300); do
  window=$(wine "$build/win64/tl_probe.exe" find-window Tintlens '#32770' 2>/dev/null) && break
  kill -0 "$program" 2>/dev/null || { echo "run: Tintlens ended before its window appeared" >&2; exit 1; }
  sleep 0.1
done
[ -n "$window" ] || { echo "run: no Tintlens window after 30 s" >&2; stop; exit 1; }
echo "run: Tintlens is running on display $DISPLAY"

if [ "${TL_VIRTUAL_DISPLAY:-}" = 1 ]; then
  sleep 0.5  # let the first paint finish
  # The desktop alone: the X screen around it is larger.
  import -window root -crop "${TL_SESSION_SCREEN:-1024x768}+0+0" +repage \
    "$build/run/screenshot.png" 2>/dev/null &&
    echo "run: screenshot saved to $build/run/screenshot.png"
fi

if [ -n "${RUN_SECONDS:-}" ]; then
  for _ in $(seq 1 "$RUN_SECONDS"); do kill -0 "$program" 2>/dev/null || break; sleep 1; done
  stop
  exit 0
fi
echo "run: press Ctrl+C to stop"
wait "$program"
