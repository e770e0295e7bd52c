#!/usr/bin/env bash
# Runs every libFuzzer target for a bounded time, starting from the seed corpus in fuzz/corpus.
# New inputs go to a scratch copy; a crash leaves its input in <build>/fuzz-artifacts.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:?usage: fuzz.sh build-dir [seconds]}
seconds=${2:-20}
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
# UBSan only prints by default; a finding must end the run so libFuzzer keeps the input.
export UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
status=0
ran=0
for target in "$build"/fuzz/fuzz_*; do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  work="$build/fuzz-corpus/$name"
  mkdir -p "$work"
  cp -n "$source_dir/fuzz/corpus/$name"/* "$work"/ 2>/dev/null || true
  echo "== fuzzing $name for ${seconds}s"
  ran=$((ran + 1))
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$artifacts/$name-" -print_final_stats=1 "$work" > "$build/fuzz-$name.log" 2>&1; then
    echo "!! $name failed; see $build/fuzz-$name.log"; tail -n 30 "$build/fuzz-$name.log"; status=1
  elif grep -q 'runtime error' "$build/fuzz-$name.log"; then
    echo "!! $name: sanitizer report; see $build/fuzz-$name.log"; grep -m5 'runtime error' "$build/fuzz-$name.log"; status=1
  else
    grep -E 'stat::number_of_executed_units' "$build/fuzz-$name.log" || true
  fi
done
if [ "$ran" -eq 0 ]; then
  echo "!! no fuzz target found under $build/fuzz"; exit 1
fi
exit $status
