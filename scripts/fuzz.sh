#!/usr/bin/env bash
# Runs every libFuzzer target for a bounded time, starting from the seed corpus in fuzz/corpus.
# New inputs go to a scratch copy; a crash leaves its input in <build>/fuzz-artifacts.
set -euo pipefail
build=${1:?usage: fuzz.sh build-dir seconds}
seconds=${2:-20}
artifacts="$build/fuzz-artifacts"
mkdir -p "$artifacts"
status=0
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  work="$build/fuzz-corpus/$name"
  mkdir -p "$work"
  cp -n fuzz/corpus/"$name"/* "$work"/ 2>/dev/null || true
  echo "== fuzzing $name for ${seconds}s"
  if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="$artifacts/$name-" -print_final_stats=1 "$work" > "$build/fuzz-$name.log" 2>&1; then
    echo "!! $name failed; see $build/fuzz-$name.log"; tail -n 30 "$build/fuzz-$name.log"; status=1
  else
    grep -E 'stat::number_of_executed_units' "$build/fuzz-$name.log" || true
  fi
done
exit $status
