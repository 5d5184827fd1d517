#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while (default 20 seconds) on its corpus.
# Any crash, sanitizer report or broken rule fails the run; the input that found it is kept under
# build-fuzz/findings/<target>/ and belongs in tests/fuzz/corpus/<target>/ once the fault is fixed.
#   bash scripts/fuzz.sh [seconds per target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(gene_set_file pairing_file calculation jpeg_file wav_file animal_csv)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZYGORA_FUZZ=ON -DZYGORA_WERROR=ON \
      -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 > /dev/null
cmake --build build-fuzz -j "$(nproc)"

# The working corpus grows run by run; it starts from the committed cases and the gene sets, pictures and
# sounds we ship. Each target reads with the dictionary of its format's words (tests/fuzz/dictionaries/).
seed_corpus() {
  local target=$1 corpus=build-fuzz/corpus/$1
  mkdir -p "$corpus"
  cp -n tests/fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
  case $target in
    gene_set_file)
      cp -n bench/TwelveLoci.INI resources/genesets/*.INI "$corpus"/
      if [ -x build/tools/zygora-calc ]; then
        build/tools/zygora-calc --default-gene-set > "$corpus"/Serpentia.INI
      fi ;;
    jpeg_file) cp -n tests/data/*.jpg resources/about/*.jpg "$corpus"/ ;;
    wav_file) cp -n resources/sounds/*.wav "$corpus"/ ;;
  esac
}

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
passed=0
failed=0
for target in "${targets[@]}"; do
  seed_corpus "$target"
  findings=build-fuzz/findings/$target
  mkdir -p "$findings"
  log=build-fuzz/$target.log
  echo "== fuzzing $target for ${seconds}s"
  if build-fuzz/tests/fuzz/${target}_fuzzer build-fuzz/corpus/"$target" -max_total_time="$seconds" \
       -dict=tests/fuzz/dictionaries/"$target".dict -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$findings/" > "$log" 2>&1; then
    passed=$((passed + 1))
    grep -E '^stat::(number_of_executed_units|new_units_added)' "$log" | tr '\n' ' '
    echo "corpus: $(ls build-fuzz/corpus/"$target" | wc -l) files"
  else
    failed=$((failed + 1))
    echo "FAILED: $target; its log follows, the input is in $findings/"
    tail -n 60 "$log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
