#!/usr/bin/env bash
# Runs a Windows program under wine, quietly and without a display, in the
# project's own wine prefix. The first call creates the prefix; a lock keeps
# concurrent first calls (parallel tests) from racing each other.
#   scripts/wine-run.sh program.exe [arguments...]
#   scripts/wine-run.sh --prepare      (only create the prefix)
# CUTTING_WINEPREFIX chooses another prefix (default: $HOME/.wine-cutting).
set -euo pipefail

export WINEPREFIX="${CUTTING_WINEPREFIX:-${HOME:-/root}/.wine-cutting}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
unset DISPLAY WAYLAND_DISPLAY

if [[ ! -f "$WINEPREFIX/.cutting-ready" ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -f "$WINEPREFIX/.cutting-ready" ]]; then
    echo "wine-run: creating wine prefix $WINEPREFIX (once, about 20 s)" >&2
    wineboot -i >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.cutting-ready"
  fi
  flock -u 9
  exec 9>&-
fi

if [[ "${1:-}" == "--prepare" ]]; then
  exit 0
fi
exec wine "$@"
