#!/usr/bin/env bash
# Checks the layering of the includes, builds Zygora with every test, warnings as errors, and runs them all;
# builds and tries the Debian package; then the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, a plain Release build of everything as a breeder or a packager makes it, and a
# short run of every fuzz target. Any failure or sanitizer report fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/check-layers.sh

bash scripts/dependencies.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYGORA_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

# The Debian package: what it holds, and the installed program started as a breeder would start it.
rm -f build/zygora_*.deb
(cd build && cpack -G DEB)
bash tests/package/package_test.sh build/zygora_*.deb

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYGORA_WERROR=ON \
      -DCMAKE_CXX_FLAGS="$sanitize" -DCMAKE_C_FLAGS="$sanitize" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-release -j "$jobs"

bash scripts/fuzz.sh 20
