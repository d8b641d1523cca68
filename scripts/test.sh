#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; then builds
# everything again with the address and undefined-behaviour sanitizers
# (preset "sanitize", folder build-sanitize) and runs the tests once more.
#
#   scripts/test.sh [--no-sanitizers]
#
# --no-sanitizers stops after the normal build and its tests.
set -euo pipefail
cd "$(dirname "$0")/.."

sanitizers=1
case "${1:-}" in
  "") ;;
  --no-sanitizers) sanitizers=0 ;;
  *) echo "usage: scripts/test.sh [--no-sanitizers]" >&2; exit 2 ;;
esac

# build_and_test PRESET: configure, build and test with one preset, and say how long it took.
build_and_test() {
  local preset=$1 start=$SECONDS
  cmake --preset "$preset"
  cmake --build --preset "$preset" --parallel "$(nproc)"
  ctest --preset "$preset" --parallel "$(nproc)"
  echo "== preset $preset: built and tested in $((SECONDS - start)) s"
}

bash scripts/deps.sh
build_and_test default
if ((sanitizers)); then
  build_and_test sanitize
fi
