#!/usr/bin/env bash
# Installs what is missing, builds the application and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNOVEL_TESTS=OFF -DTARNOVEL_BENCH=OFF
cmake --build build --target tarnovel -j "$(nproc)"
exec ./build/app/tarnovel "$@"
