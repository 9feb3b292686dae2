#!/usr/bin/env bash
# Installs what is missing, builds the game in Release and starts it from build/play/.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j2 --target kvb_play
cd build/play
exec ./kvb
