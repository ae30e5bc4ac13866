#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then builds
# everything under AddressSanitizer and UBSan and runs the library, model, chart and
# file tests there, the chart and its tests under ThreadSanitizer (it draws on
# several threads), and a short run of each fuzzer over its seed corpus. The sources
# must be formatted as .clang-format says before anything is built.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

cmake --preset tsan
cmake --build --preset tsan
ctest --preset tsan

bash scripts/fuzz.sh
