#!/usr/bin/env bash
# Builds Zygora and starts it from its build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencies.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j "$(nproc)" --target GenericZygora zygora-calc

# The first start places the Serpentia gene set and the picture folder beside the program.
exec build-release/ui/GenericZygora
