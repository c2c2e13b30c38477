#!/usr/bin/env bash
# Builds the project and runs every test on all three targets: native Linux
# x86-64 (default), 32-bit Linux (x86) and 32-bit Windows under wine
# (windows-x86); then the whole suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (asan) followed by a short fuzz run of each
# plug-in, and the concurrency tests under ThreadSanitizer (tsan). Installs
# missing Debian packages first. Stops at the first failure with a non-zero
# exit status.
# Under asan two workbench tests are left out (the asan test preset's filter):
# their fixture plug-in crashes on purpose by writing through a null pointer,
# which UndefinedBehaviorSanitizer stops first, with its own report and exit
# status instead of the crash the tests expect.
#   scripts/test-all.sh [preset...]     (default: all five)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/setup-debian.sh

presets=("$@")
if [[ ${#presets[@]} -eq 0 ]]; then
  presets=(default x86 windows-x86 asan tsan)
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
  if [[ "$preset" == asan ]]; then
    echo "=== asan: fuzz"
    bash scripts/fuzz.sh
  fi
done

echo "=== all tests passed on: ${presets[*]}"
