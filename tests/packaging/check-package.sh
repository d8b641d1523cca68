#!/usr/bin/env bash
# Builds the Debian package from a built tree with CPack, checks what it holds and
# what it depends on, runs lintian on it (no error allowed), and starts the
# program from the unpacked package as a user whose home is a temporary folder.
# Usage: check-package.sh BUILD_DIR APPLICATION_ID
# Exits 77 (skipped) only when a packaging tool is not installed.
set -euo pipefail

build=${1:?usage: check-package.sh BUILD_DIR APPLICATION_ID}
id=${2:?usage: check-package.sh BUILD_DIR APPLICATION_ID}

for tool in cpack dpkg-deb dpkg-shlibdeps file lintian; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done

fail() { echo "FAILED: $*"; exit 1; }

scratch=$(mktemp -d)
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" > "$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log"; fail "cpack could not build the package"; }
debs=("$scratch"/out/zorvane_*.deb)
[ -f "${debs[0]}" ] || fail "cpack made no zorvane_*.deb"
deb=${debs[0]}
echo "Built $(basename "$deb")"

# Everything the program loads, and the desktop's files, are in the package.
dpkg-deb -c "$deb" | awk '{print $6}' > "$scratch/contents"
for file in ./usr/bin/zorvane ./usr/share/zorvane/Support/Frame.bmp \
    "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml" \
    "./usr/share/icons/hicolor/48x48/apps/$id.png" ./usr/share/doc/zorvane/copyright; do
  grep -qxF "$file" "$scratch/contents" || fail "the package lacks $file"
done

# The dependencies come from the libraries the program links.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends does not name $package"
done

echo "lintian --fail-on error $(basename "$deb")"
status=0
lintian --fail-on error --no-tag-display-limit "$deb" > "$scratch/lintian" 2>&1 || status=$?
grep -v 'running with root privileges' "$scratch/lintian" || true
[ "$status" -eq 0 ] || fail "lintian reports errors"

# Unpacked, the program starts and keeps its files in the user's data folder.
dpkg-deb -x "$deb" "$scratch/root"
mkdir -p "$scratch/home"
env -u WINEPREFIX -u XDG_DATA_HOME HOME="$scratch/home" QT_QPA_PLATFORM=offscreen \
  "$scratch/root/usr/bin/zorvane" 2> "$scratch/stderr" &
program=$!
support="$scratch/home/.local/share/zorvane/Support"
for _ in $(seq 1 300); do
  [ -L "$support" ] && grep -q '^zorvane: Wine prefix' "$scratch/stderr" && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$program" 2>/dev/null || { cat "$scratch/stderr"; fail "the unpacked program ended by itself"; }
[ "$(readlink "$support")" = "$scratch/root/usr/share/zorvane/Support" ] ||
  { cat "$scratch/stderr"; fail "the user's Support does not lead to the packaged pictures"; }
grep '^zorvane: Wine prefix' "$scratch/stderr"
