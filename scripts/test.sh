#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)"
ctest --preset default --parallel "$(nproc)"
