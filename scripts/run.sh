#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it on a sample project
# (or on the arguments given). It needs a display; without one it says so.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default
cmake --build --preset default
if [ "$#" -eq 0 ]; then
  set -- Samples/trigonometry.lpp
fi
exec build/bin/lumoplot "$@"
