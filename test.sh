#!/usr/bin/env bash
# Installs what is missing; makes the resource pack in the release tree; builds a checked
# tree (clang, -O1, AddressSanitizer and UndefinedBehaviorSanitizer with no recovery,
# libFuzzer instrumentation) and fuzzes the file readers, runs every test and a few minutes
# of whole campaigns in it; then builds the rest of the release tree and runs every test
# there. Any finding fails the run.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
ROOT=$PWD
# Each stage says when it starts, so a slow run shows where its time went.
stage() { echo "== $* (at $SECONDS s)"; }

# The resource pack is generated once, by the release tree's generator; the checked tree
# takes that pack.
stage "The resource pack, in the release tree"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j2 --target kvb_pack

stage "The checked tree"
cmake -S . -B build-check -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKVB_FUZZ=ON -DKVB_SANITIZE=ON -DKVB_PACK_FROM="$ROOT/build/play/kvb.paq" > /dev/null
# Only what is run here; the tools and the other benchmarks are built in the release tree.
cmake --build build-check -j2 --target kvb_checks

export ASAN_OPTIONS=abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The readers of untrusted files, each for a short while; the data readers start from the
# shipped files. A finding leaves the input that shows it in build-check/.
FUZZ_SECONDS=${KVB_FUZZ_SECONDS:-20}
stage "Fuzzing the file readers"
fuzz() {  # target, longest input, seed files...
  local target=$1 len=$2 corpus="$ROOT/build-check/corpus_$1"
  shift 2
  mkdir -p "$corpus"
  [ $# -gt 0 ] && cp "$@" "$corpus/"
  echo "Fuzzing $target for ${FUZZ_SECONDS} s"
  if ! (cd build-check && "./tests/fuzz_$target" -max_total_time="$FUZZ_SECONDS" -max_len="$len" \
        -artifact_prefix="$PWD/" "$corpus" > "fuzz_$target.log" 2>&1); then
    tail -40 "build-check/fuzz_$target.log"
    echo "fuzz_$target found a fault; the input that shows it is in build-check/"
    exit 1
  fi
  grep -E '^Done [0-9]+ runs' "build-check/fuzz_$target.log" || true
}
# Each fuzzer uses one core: two run at a time, and any finding fails the run.
FUZZ_PIDS=()
waitFuzzers() {
  local failed=0 pid
  for pid in "${FUZZ_PIDS[@]}"; do wait "$pid" || failed=1; done
  FUZZ_PIDS=()
  [ "$failed" = 0 ] || exit 1
}
fuzzAlongside() {
  fuzz "$@" &
  FUZZ_PIDS+=($!)
  [ "${#FUZZ_PIDS[@]}" -lt 2 ] || waitFuzzers
}
fuzzAlongside resource_script 4096
fuzzAlongside font_file 4096
fuzzAlongside particle_file 4096
fuzzAlongside data_file 16384 data/data.paq
fuzzAlongside card_file 4096 data/card.paq
fuzzAlongside deck_file 4096 data/deck.paq
fuzzAlongside credits_file 2048 data/credits.txt
fuzzAlongside ini_file 1024 tests/fuzz/Options.ini
fuzzAlongside save_file 4096 tests/fuzz/corpus/save_file/*
fuzzAlongside replay_file 16384 tests/replays/*.kvr
waitFuzzers

# The pack's sameness across worker counts is checked in the release tree, which made the
# pack: here it would only run the slow instrumented generator over everything once more.
stage "Every test under the sanitizers"
(cd build-check && ctest --output-on-failure -j2 -E 'GeneratorRun.SameSourcesGiveTheSamePack')
stage "Whole campaigns under the sanitizers"
SOAK_MINUTES=${KVB_SOAK_MINUTES:-10}
(cd build-check && ./bench/bench_headless_soak "$SOAK_MINUTES")

stage "The rest of the release tree"
cmake --build build -j2
stage "Every test in the release tree"
cd build
ctest --output-on-failure -j2
stage "Done"
