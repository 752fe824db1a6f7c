#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal
# build with warnings as errors, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzzer for FUZZ_SECONDS (60 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

echo "== core libraries must not include Qt"
bash scripts/core-sin-qt.sh

echo "== format"
mapfile -t fuentes < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
if [ ${#fuentes[@]} -gt 0 ]; then
    clang-format --dry-run --Werror "${fuentes[@]}"
fi

echo "== build and test"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNOVEL_WERROR=ON
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

echo "== build and test with sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARNOVEL_WERROR=ON \
    -DTARNOVEL_SANITIZE=ON -DTARNOVEL_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== fuzzers"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARNOVEL_FUZZ=ON -DTARNOVEL_SANITIZE=ON -DTARNOVEL_GUI=OFF -DTARNOVEL_BENCH=OFF
cmake --build build-fuzz -j "$jobs" --target fuzzers
bash scripts/fuzz.sh build-fuzz "${FUZZ_SECONDS:-60}"
