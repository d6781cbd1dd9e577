#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# into ./build-sanitize and runs it. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DPAVISTO_SANITIZE=ON -DPAVISTO_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
