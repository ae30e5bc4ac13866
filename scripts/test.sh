#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then builds
# everything under AddressSanitizer and UBSan and runs the library, model, chart and
# file tests there, and a short run of each fuzzer over its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default
ctest --preset default

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

bash scripts/fuzz.sh
