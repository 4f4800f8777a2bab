#!/usr/bin/env bash
# Runs a command inside a private Wine session: its own X display (Xvfb) unless one
# is asked for, its own Wine prefix with a 1024x768 virtual desktop named "shell"
# (taskbar with a notification area), shared by every Windows process the command
# starts. On exit, failure or interrupt it stops only what it started: its Xvfb by
# process id, the wineserver of its own prefix, and it removes a temporary prefix.
#
# usage: tools/wine-session.sh [--use-display] [--prefix DIR] [--] command [args...]
#   --use-display  run on $DISPLAY when it is set instead of a private Xvfb
#   --prefix DIR   keep the Wine prefix in DIR (created when missing) instead of a
#                  temporary one that is removed afterwards
# Inside the command: DISPLAY, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES are exported,
# TL_SESSION_SCREEN=1024x768, the desktop's size, and TL_RUNS_32BIT, 1 where this
# machine runs 32-bit programs and 0 where it does not (then `wine` is the 64-bit
# loader itself, whatever of Wine's 32-bit half is installed). The X screen is larger,
# 2048x1536, with the desktop in its top-left corner, so that a test can make the
# desktop that large for a scaled display.
set -u

use_display=0
prefix_dir=""
while [ $# -gt 0 ]; do
  case "$1" in
    --use-display) use_display=1; shift ;;
    --prefix) prefix_dir="$2"; shift 2 ;;
    --) shift; break ;;
    -*) echo "wine-session: unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--use-display] [--prefix DIR] [--] command..." >&2; exit 2; }

xvfb_pid=""
temp_prefix=""
loader_dir=""
cmd_pid=""

log() { printf 'wine-session: %s\n' "$*" >&2; }

# shellcheck disable=SC2317  # reached through the EXIT trap, which shellcheck does not follow
cleanup() {
  local rc=$?
  trap - EXIT INT TERM
  if [ -n "$cmd_pid" ] && kill -0 "$cmd_pid" 2>/dev/null; then
    kill -TERM "$cmd_pid" 2>/dev/null
    wait "$cmd_pid" 2>/dev/null
  fi
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1
    # -k only asks; wait (bounded) until this prefix's server has really gone.
    timeout 15 wineserver -w >/dev/null 2>&1
  fi
  if [ -n "$xvfb_pid" ]; then
    kill -TERM "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  [ -n "$temp_prefix" ] && rm -rf "$temp_prefix"
  [ -n "$loader_dir" ] && rm -rf "$loader_dir"
  exit "$rc"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# A display nobody uses: no socket and no lock file.
free_display() {
  local n
  for n in $(seq 90 189); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
      echo "$n"; return 0
    fi
  done
  return 1
}

if [ "$use_display" = 1 ] && [ -n "${DISPLAY:-}" ]; then
  log "using display $DISPLAY"
else
  started=0
  for _ in 1 2 3; do
    n=$(free_display) || { log "no free X display number"; exit 1; }
    Xvfb ":$n" -screen 0 2048x1536x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { started=1; break; }
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    [ "$started" = 1 ] && break
    kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=""
  done
  [ "$started" = 1 ] || { log "Xvfb did not start"; exit 1; }
  export DISPLAY=":$n"
fi

# Debian's wine wrapper (and wineboot, which goes through it) prefers the 32-bit
# loader whenever Wine's 32-bit half is installed; on a kernel without 32-bit
# support that loader cannot even start ("Exec format error"). There, every
# wine, wine-stable and wineserver of the session is the 64-bit one.
export TL_RUNS_32BIT=1
if ! "$(dirname "$0")/runs-32bit.sh"; then
  TL_RUNS_32BIT=0
  wine64=/usr/lib/wine/wine64
  [ -x "$wine64" ] || wine64=$(command -v wine64 || true)
  if [ -n "$wine64" ] && [ -x "$wine64" ]; then
    loader_dir=$(mktemp -d "${TMPDIR:-/tmp}/tintlens-wine-loader.XXXXXX")
    # Scripts, not links: Wine finds its own files from the path it was run by.
    for name in wine wine-stable; do
      printf '#!/bin/sh\nexec "%s" "$@"\n' "$wine64" > "$loader_dir/$name"
    done
    for server in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
      [ -x "$server" ] && { printf '#!/bin/sh\nexec "%s" "$@"\n' "$server" > "$loader_dir/wineserver"; break; }
    done
    chmod +x "$loader_dir"/*
    export PATH="$loader_dir:$PATH" WINELOADER="$wine64"
    log "this machine cannot run 32-bit programs: using the 64-bit Wine loader alone"
  fi
fi

export WINEDEBUG=-all
# No Mono or Gecko prompts, and no menu entries or file associations made on
# the host for shortcuts that programs (an installer) create in the prefix.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ -n "$prefix_dir" ]; then
  mkdir -p "$prefix_dir"
  export WINEPREFIX
  WINEPREFIX=$(cd "$prefix_dir" && pwd)
else
  temp_prefix=$(mktemp -d "${TMPDIR:-/tmp}/tintlens-wine.XXXXXX")
  export WINEPREFIX="$temp_prefix"
fi
export TL_SESSION_SCREEN=1024x768

if [ ! -f "$WINEPREFIX/system.reg" ] || [ ! -f "$WINEPREFIX/.tintlens-desktop" ]; then
  wineboot -i >/dev/null 2>&1 || { log "wineboot failed"; exit 1; }
  # One virtual desktop for every process of the session; "shell" brings a taskbar.
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null 2>&1
  # Wine's own fonts (Marlett draws the caption buttons, MS Sans Serif the
  # dialogs) are not found where Debian installs them; the prefix's font folder is
  # always searched.
  fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -d /usr/share/wine/fonts ] && mkdir -p "$fonts" && cp -n /usr/share/wine/fonts/* "$fonts"/ 2>/dev/null
  wineserver -w
  touch "$WINEPREFIX/.tintlens-desktop"
fi

# Start the desktop now and wait until it is up, so that the first programs of the
# command do not race each other to start it (that race can hang the desktop).
wine explorer.exe /desktop=shell,1024x768 >/dev/null 2>&1 &
desktop_up=0
for _ in $(seq 1 200); do
  xdotool search --name 'shell - Wine desktop' >/dev/null 2>&1 && { desktop_up=1; break; }
  sleep 0.05
done
[ "$desktop_up" = 1 ] || log "the Wine desktop did not appear; going on"
# Our Xvfb starts the pointer in the middle of its screen, outside the desktop; put
# it in the desktop's middle, so that no first move comes in from outside.
[ -n "$xvfb_pid" ] && xdotool mousemove 512 384 >/dev/null 2>&1

"$@" &
cmd_pid=$!
wait "$cmd_pid"
rc=$?
cmd_pid=""
exit "$rc"
