#!/usr/bin/env bash
# Builds Zygora and starts it from its build folder, on the Serpentia gene set the first time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencies.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j "$(nproc)" --target GenericZygora zygora-calc

app=build-release/ui
if [ -z "$(find "$app" -maxdepth 1 -iname '*.ini' -print)" ]; then
  build-release/tools/zygora-calc --default-gene-set > "$app/Serpentia.INI"
fi
exec "$app/GenericZygora"
