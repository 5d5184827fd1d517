#!/usr/bin/env bash
# Builds Zygora and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencies.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
