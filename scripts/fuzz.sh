#!/usr/bin/env bash
# Builds the fuzzing harnesses of the file readers with clang into build-fuzz
# and runs each for SECONDS (default 20), starting from the seed corpus that
# fuzz/seed_corpus.sh makes of the test fixtures. Names after SECONDS pick
# harnesses; default all. Fails when any harness finds a crash, a leak,
# undefined behaviour or an input that hangs; the input that did it is kept in
# build-fuzz/artifacts/. Prints the number of executions of every harness.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  harnesses=(settings_fuzz fixed_roster_fuzz header_roster_fuzz teams_dir_fuzz results_fuzz
             table_fuzz form_fuzz attendances_fuzz fixtures_fuzz journal_fuzz)
fi
build=build-fuzz

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
CXX=clang++ cmake -S . -B "$build" "${generator[@]}" -DLEAGUE_FUZZ=ON -DLEAGUE_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${harnesses[@]}"

seeds=$(mktemp -d)
trap 'rm -rf "$seeds"' EXIT
bash fuzz/seed_corpus.sh "$seeds"
mkdir -p "$build/artifacts"

failed=()
for harness in "${harnesses[@]}"; do
  # The corpus grows from run to run in the build folder; the seeds are added
  # as a second, read-only corpus folder.
  corpus=$build/corpus/$harness
  mkdir -p "$corpus" "$seeds/$harness"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$build/artifacts/$harness-")
  # Every key the settings loader publishes stays in the C library's memory
  # for the life of the process: short inputs keep that growth small.
  [ "$harness" = settings_fuzz ] && options+=(-max_len=512)
  log=$build/$harness.log
  if "$build/fuzz/$harness" "${options[@]}" "$corpus" "$seeds/$harness" >"$log" 2>&1; then
    runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | cut -d' ' -f2 || true)
    rss=$(grep -o 'stat::peak_rss_mb: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)
    echo "$harness: ${runs:-?} executions in ${seconds} s, peak ${rss:-?} MB"
  else
    echo "$harness: FAILED (log below, input kept in $build/artifacts/)"
    tail -n 60 "$log"
    failed+=("$harness")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}"
  exit 1
fi
