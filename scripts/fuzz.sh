#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each one.
#   bash scripts/fuzz.sh            20000 runs per target over the seed corpus
#   bash scripts/fuzz.sh 600        600 seconds per target, then the abscissa
#                                   tests over millions of values (needs the
#                                   default build)
# New inputs go to build-fuzz/corpus/<target>/ (the committed seeds stay as they
# are); a crash leaves its input in build-fuzz/ and fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-}"
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j2
for target in check_expression fill_ext_result fill_result_array project_reader; do
  work="build-fuzz/corpus/$target"
  mkdir -p "$work"
  if [[ -n "$seconds" ]]; then limit=(-max_total_time="$seconds"); else limit=(-runs=20000 -seed=1); fi
  echo "fuzz_$target: ${limit[*]}"
  # An input that takes 10 s (2000 samples of a 4096-byte text take far less) is a hang.
  log="build-fuzz/$target.log"
  status=0
  ASAN_OPTIONS=detect_leaks=1 "build-fuzz/fuzz_$target" "${limit[@]}" -max_len=4096 -timeout=10 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/ "$work" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::average_exec_per_sec|==[0-9]+==|SUMMARY|invariant broken|.*Test unit written)' "$log" || true
  if ((status != 0)); then
    echo "fuzz_$target failed ($status); the whole output is in $log" >&2
    failed=1
  fi
done
# A long run also proves the fast abscissa rounding on millions of values.
if [[ -n "$seconds" && -x build/bin/zeval_tests ]]; then
  LUMOPLOT_THOROUGH=1 build/bin/zeval_tests --gtest_filter='AbscissaTest.*' --gtest_brief=1 || failed=1
fi
exit "${failed:-0}"
