#!/usr/bin/env bash
# Builds the project and runs every test on all three targets: native Linux
# x86-64 (default), 32-bit Linux (x86) and 32-bit Windows under wine
# (windows-x86). Installs missing Debian packages first. Stops at the first
# failure with a non-zero exit status.
#   scripts/test-all.sh [preset...]     (default: all three)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/setup-debian.sh

presets=("$@")
if [[ ${#presets[@]} -eq 0 ]]; then
  presets=(default x86 windows-x86)
fi

for preset in "${presets[@]}"; do
  echo "=== ${preset}: configure"
  cmake --preset "$preset"
  echo "=== ${preset}: build"
  cmake --build --preset "$preset"
  echo "=== ${preset}: test"
  if [[ "$preset" == windows-* ]]; then
    bash scripts/wine-run.sh --prepare
  fi
  ctest --preset "$preset"
done

echo "=== all tests passed on: ${presets[*]}"
