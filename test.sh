#!/usr/bin/env bash
# Installs what is missing, builds everything, runs the fuzz targets for a short while and
# then every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh

# The readers of untrusted files (resource script, fonts, particle files, save files) under
# libFuzzer, about 20 seconds each; any finding fails the run and leaves its input in
# build-fuzz/.
FUZZ_SECONDS=${KVB_FUZZ_SECONDS:-20}
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKVB_FUZZ=ON -DKVB_BUILD_BENCH=OFF > /dev/null
cmake --build build-fuzz -j2 --target fuzz_resource_script fuzz_font_file fuzz_particle_file fuzz_save_file
for target in resource_script font_file particle_file save_file; do
  echo "Fuzzing $target for ${FUZZ_SECONDS} s"
  # Seeds from tests/fuzz/corpus/<target>/ start the run; what it finds stays in build-fuzz/.
  corpus="$PWD/build-fuzz/corpus_$target"
  mkdir -p "$corpus"
  if [ -d "tests/fuzz/corpus/$target" ]; then cp "tests/fuzz/corpus/$target/"* "$corpus/"; fi
  if ! (cd build-fuzz && "./tests/fuzz_$target" -max_total_time="$FUZZ_SECONDS" -max_len=4096 \
        -artifact_prefix="$PWD/" "$corpus" > "fuzz_$target.log" 2>&1); then
    tail -40 "build-fuzz/fuzz_$target.log"
    echo "fuzz_$target found a fault; the input that shows it is in build-fuzz/"
    exit 1
  fi
  grep -E '^Done [0-9]+ runs' "build-fuzz/fuzz_$target.log" || true
done

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j2
cd build
ctest --output-on-failure -j2
