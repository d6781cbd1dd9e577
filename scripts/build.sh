#!/usr/bin/env bash
# Configures and builds into ./build (or the folder given as first argument).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo}
cmake --build "$build_dir" -j"$(nproc)"
