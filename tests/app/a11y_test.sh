#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real tessaro on a virtual X server with its own session bus and accessibility bus,
# and reads its window as a screen reader does (a11y-tree.py beside this script). With a
# script and the virtual printer, the script starts the program (and its printers) itself.
#   a11y_test.sh TESSARO [SCRIPT.py SIM]
# Exit status 77 (skipped) when Xvfb, D-Bus, the AT-SPI bus or pyatspi are not there.
set -euo pipefail
app=$1
script=${2:-a11y-tree.py}
here=$(cd "$(dirname "$0")" && pwd)

skip() {
  echo "skipped: $*" >&2
  exit 77
}

if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null || skip "no xvfb-run"
  exec xvfb-run -a -s '-screen 0 1280x1024x24' "$0" "$@"
fi
if [ -z "${TESSARO_A11Y_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
  TESSARO_A11Y_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

python=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import pyatspi' 2>/dev/null; then
    python=$candidate
    break
  fi
done
[ -n "$python" ] || skip "no python3 with pyatspi (python3-pyatspi)"
launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || skip "no at-spi-bus-launcher (at-spi2-core)"

pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
"$launcher" --launch-immediately &
pids+=($!)
if [ $# -lt 2 ]; then
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$app" &
  pids+=($!)
fi
TESSARO_APP=$app TESSARO_SIM=${3:-} timeout 60 "$python" "$here/$script"
