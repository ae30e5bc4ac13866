#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default
if [ -x build/bin/lumoplot ]; then
  exec build/bin/lumoplot "$@"
fi
echo "Built the Zeval library (build/bin/libzeval.so); the program itself is not part of the build yet."
