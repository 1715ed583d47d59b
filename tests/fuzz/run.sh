#!/usr/bin/env bash
# Runs every fuzz target (or those named) for SECONDS each, one after the other, and prints each
# target's executions. A crash, leak, hang (10 s on one input) or sanitizer report stops the run
# with the target's output; its input is kept in BUILD/fuzz/artifacts/.
# Usage: tests/fuzz/run.sh BUILD SECONDS [TARGET...]
set -euo pipefail
build=$1
seconds=$2
shift 2
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(data_file_fuzz dates_fuzz dx_fuzz ini_file_fuzz knockout_fuzz pages_fuzz)
here="$(cd "$(dirname "$0")" && pwd)"
work="$build/fuzz"
"$here/make_corpus.sh" "$work/seeds"
mkdir -p "$work/artifacts"

for target in "${targets[@]}"; do
  mkdir -p "$work/corpus/$target"
  log="$work/$target.log"
  echo "fuzzing $target for ${seconds}s"
  if ! "$build/tests/fuzz/$target" "$work/corpus/$target" "$work/seeds/$target" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$work/artifacts/$target-" > "$log" 2>&1; then
    tail -n 60 "$log"
    echo "$target: failed; the input is in $work/artifacts/" >&2
    exit 1
  fi
  echo "$target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$') runs"
done
