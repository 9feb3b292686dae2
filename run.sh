#!/usr/bin/env bash
# Installs what is missing, builds the game in Release and starts it. Saves, options, the
# log and screenshots go to the player's data folder; with --portable they stay in
# build/play/ beside the game.
set -euo pipefail
cd "$(dirname "$0")"
args=()
for arg in "$@"; do
  case $arg in
  --portable) args+=(--user-dir "$PWD/build/play") ;;
  *) args+=("$arg") ;;
  esac
done
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j2 --target kvb_play
exec build/play/kvb "${args[@]}"
