#!/usr/bin/env bash
# Runs a window test on a virtual X display under twm, a small real window manager that frames windows as a
# desktop does. Arguments: the Qt Test program, then its arguments.
set -euo pipefail
# libxkbcommon-x11, which Qt's X11 platform loads, copies names out of X replies with strndup; they end at
# their given length, not at a NUL, which AddressSanitizer's strict string checks take for an overflow. Our
# own string calls are checked strictly by every other test.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}strict_string_checks=0"
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  config=$(mktemp)
  # Windows go where they ask to be, never where a click would put them.
  printf "RandomPlacement\nUsePPosition \"on\"\n" > "$config"
  twm -f "$config" > /dev/null 2>&1 &
  wm=$!
  status=0
  QT_QPA_PLATFORM=xcb "$@" || status=$?
  kill "$wm"
  rm -f "$config"
  exit "$status"' window_manager_test "$@"
