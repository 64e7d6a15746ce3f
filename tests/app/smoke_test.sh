#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real tessaro on a real (virtual) X server, waits for the main window titled
# "Tessaro - default" after the splash, and closes it with Ctrl+Q.
set -euo pipefail
app=$1

run() {
  "$app" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  window=""
  for _ in $(seq 150); do  # up to 15 s for the splash and the start-up
    window=$(xdotool search --name '^Tessaro - default$' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  if [ -z "$window" ]; then
    echo "no window titled 'Tessaro - default' appeared" >&2
    exit 1
  fi
  echo "main window $window is up"
  # Without a window manager the focus is given directly; waited for, but never for ever
  # (xdotool's own --sync waits without a bound).
  xdotool windowfocus "$window"
  for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$window" ] && break
    sleep 0.1
  done
  xdotool key ctrl+q
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "closed"; exit 0; }
    sleep 0.1
  done
  echo "the window did not close" >&2
  exit 1
}

if [ "${1:-}" != "" ] && [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi
run
