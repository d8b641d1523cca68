#!/usr/bin/env bash
# Builds the fuzz targets with clang (preset "fuzz") and runs them.
#
#   scripts/fuzz.sh [--smoke] [--build-dir DIR] [TARGET...] [-- LIBFUZZER-OPTION...]
#
# TARGET is a name under fuzz/ such as notes_reader; none means every target.
# Without --smoke each target runs until stopped (Ctrl-C) or for what the
# libFuzzer options say, e.g. -- -max_total_time=600, and keeps the inputs it
# finds in DIR/corpus/TARGET for the next run. --smoke runs each target over
# its seeds and a bounded number of new inputs, from a fresh corpus; CTest
# runs it that way. Exits 77 (CTest: skipped) when clang is not installed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"
smoke=0
smoke_runs=20000
targets=()
options=()

while (($#)); do
  case "$1" in
    --smoke) smoke=1 ;;
    --build-dir) build=$2; shift ;;
    --) shift; options=("$@"); break ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) targets+=("$1") ;;
  esac
  shift
done

build=$(realpath -m "$build")

if ! command -v clang++-14 >/dev/null; then
  echo "clang++-14 is not installed (scripts/deps.sh installs it); no fuzz target was run."
  exit 77
fi

cd "$root"
cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target zv_fuzz_targets

if ((${#targets[@]} == 0)); then
  for exe in "$build"/bin/fuzz_*; do
    targets+=("${exe##*/fuzz_}")
  done
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for name in "${targets[@]}"; do
  exe="$build/bin/fuzz_$name"
  [ -x "$exe" ] || { echo "no fuzz target $name" >&2; exit 2; }
  seeds="$root/fuzz/corpus/$name"
  if ((smoke)); then
    corpus="$scratch/$name"
    run=(-runs="$smoke_runs")
  else
    corpus="$build/corpus/$name"
    run=()
  fi
  mkdir -p "$corpus" "$build/artifacts"
  echo "== fuzz_$name"
  # New inputs go into the first folder; the seeds are only read. An input
  # that fails is saved in DIR/artifacts; run the target on it to see again.
  # Parallel jobs write their logs into the working folder: the build folder.
  (cd "$build" && "$exe" "${run[@]}" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/artifacts/$name-" \
    "${options[@]}" "$corpus" "$seeds")
done
