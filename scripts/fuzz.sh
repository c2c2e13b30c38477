#!/usr/bin/env bash
# Fuzzes each plug-in with its libFuzzer target (built by the asan preset) for
# a bounded time, starting from the seed corpus in tests/fuzz/corpus/<target>/.
#
#   scripts/fuzz.sh [target...]          targets: box oval (default: both)
#
#   FUZZ_SECONDS  seconds per target (default 60)
#   FUZZ_JOBS     parallel fuzzing processes per target (default 1); with more
#                 than one, libFuzzer's fork mode keeps going after a finding
#                 and collects them all
#   FUZZ_SEED     libFuzzer's seed (default 1; 0 draws a new one each run)
#   FUZZ_RUNS     inputs per target at most (default: box 300000, oval 40000,
#                 about a minute each here; 0 for no limit)
#
# With the default seed and limit a run from the seed corpus is the same
# every time, so a short run (CI's) fails only where the code changed. A
# longer, random run, one hour per target on both cores:
#
#   FUZZ_SECONDS=3600 FUZZ_JOBS=2 FUZZ_SEED=0 FUZZ_RUNS=0 scripts/fuzz.sh
#
# The corpus grown by a run stays in build/asan/fuzz/corpus/<target>/ and is
# reused by the next run; inputs that break a property land in
# build/asan/fuzz/findings/<target>/ (replay one with
# build/asan/bin/<target>_fuzz_replay <file>; keep it as a regression under
# tests/fuzz/regressions/<target>/). Prints executions, time and findings per
# target; exits non-zero if any target found something.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

seconds="${FUZZ_SECONDS:-60}"
jobs="${FUZZ_JOBS:-1}"
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=(box oval)
fi

build="$root/build/asan"
need_build=false
for target in "${targets[@]}"; do
  [[ -x "$build/bin/${target}_fuzz" ]] || need_build=true
done
if [[ $need_build == true ]]; then
  cmake --preset asan >/dev/null
  cmake --build --preset asan --target "${targets[@]/%/_fuzz}"
fi

summary=()
failed=0
for target in "${targets[@]}"; do
  corpus="$build/fuzz/corpus/$target"
  findings="$build/fuzz/findings/$target"
  log="$build/fuzz/$target.log"
  mkdir -p "$corpus" "$findings"
  rm -f "$findings"/*
  echo "=== fuzz $target: $seconds s, $jobs job(s)"
  runs="${FUZZ_RUNS:-}"
  if [[ -z "$runs" ]]; then
    case "$target" in box) runs=300000 ;; *) runs=40000 ;; esac
  fi
  options=(-max_total_time="$seconds" -timeout=20 -print_final_stats=1 -artifact_prefix="$findings/"
           -seed="${FUZZ_SEED:-1}")
  if [[ $runs -gt 0 ]]; then
    options+=(-runs="$runs")
  fi
  if [[ $jobs -gt 1 ]]; then
    options+=(-fork="$jobs" -ignore_crashes=1)
  fi
  start=$(date +%s)
  status=0
  "$build/bin/${target}_fuzz" "${options[@]}" "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  elapsed=$(( $(date +%s) - start ))
  # Single process: its final statistics; fork mode: the last status line.
  executions=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || true)
  if [[ -z "$executions" ]]; then
    executions=$(grep -o '^#[0-9]*' "$log" | tail -1 | tr -d '#' || true)
  fi
  found=$(find "$findings" -type f | wc -l)
  line="$target: ${executions:-0} executions in ${elapsed} s, $found finding(s)"
  summary+=("$line")
  echo "$line"
  if [[ $found -gt 0 || ( $status -ne 0 && $jobs -eq 1 ) ]]; then
    failed=1
    grep -A3 'property broken\|ERROR:' "$log" | head -20 || true
    echo "inputs: $findings"
  fi
done

echo "=== fuzzing summary"
printf '%s\n' "${summary[@]}"
exit $failed
