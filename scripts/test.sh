#!/usr/bin/env bash
# Builds Zygora with every test and runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencies.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
