#!/usr/bin/env bash
# Records the kept test replays (tests/replays/) again and verifies them. Only for a change
# that alters how battles play out on purpose: raise REPLAY_SIMULATION_VERSION in
# replay/replay_format.h first, and say in the commit why the battles changed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j2 --target kvb kvb_record_replays kvb_play
(cd build/play && ../kvb_record_replays ../../tests/replays)
(cd build/play && KVB_USER_DIR="$PWD/../replay-check-user" ./kvb --verify-replay ../../tests/replays/*.kvr)
echo "Recorded again. Commit tests/replays/ with the raised simulation version and a note of why."
