#!/usr/bin/env bash
# Builds Zygora and starts it from its build folder, on the Serpentia gene set the first time.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/dependencies.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target GenericZygora zygora-calc

app=build/ui
if ! ls "$app" | grep -qi '\.ini$'; then
  build/tools/zygora-calc --default-gene-set > "$app/Serpentia.INI"
fi
exec "$app/GenericZygora"
