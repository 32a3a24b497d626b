#!/usr/bin/env bash
# Builds every fuzz target (fuzz/*_fuzz.cpp) with clang and libFuzzer, replays its corpus
# (fuzz/corpus/<name>/, <name> being the file name without "_fuzz") as a regression test,
# then fuzzes each target for the given number of seconds (default 60).
# New inputs go to a scratch folder under the build; crashes are kept in
# build-fuzz/artifacts/ and fail the run: add each one to the corpus with its fix.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
# FUZZ_RUNS=N runs exactly N inputs per target from a fixed seed instead of fuzzing for a
# time: the same inputs on every machine, so a gate that passed once passes again.
runs="${FUZZ_RUNS:-}"
build=build-fuzz

cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build/artifacts"

for source in fuzz/*_fuzz.cpp; do
  target=$(basename "$source" .cpp)
  corpus="fuzz/corpus/${target%_fuzz}"
  scratch="$build/scratch/${target%_fuzz}"
  mkdir -p "$corpus" "$scratch"
  options=(-timeout=1 -rss_limit_mb=512 -max_len=65536 -artifact_prefix="$build/artifacts/$target-")

  echo "== $target: replaying $corpus"
  "$build/$target" "${options[@]}" -runs=0 "$corpus"

  if [ -n "$runs" ]; then
    echo "== $target: fuzzing $runs inputs from seed 1"
    rm -rf "$scratch" && mkdir -p "$scratch"
    "$build/$target" "${options[@]}" -seed=1 -runs="$runs" -print_final_stats=1 "$scratch" "$corpus"
  else
    echo "== $target: fuzzing for ${seconds}s"
    "$build/$target" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$scratch" "$corpus"
  fi
done
