#!/usr/bin/env bash
# Builds the Debian package (the program only, no tests) into build-package/ and
# names it. Install it with: sudo apt install ./build-package/zorvane_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake --preset package
cmake --build --preset package --parallel "$(nproc)"
ls build-package/zorvane_*.deb
