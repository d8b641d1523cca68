#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata, checks that they name
# each other, and makes sure the validators reject a damaged copy of each (so a
# validator that accepts anything cannot pass this test).
# Usage: check-desktop-files.sh DESKTOP_FILE METAINFO_FILE
# Exits 77 (skipped) only when a validator is not installed.
set -euo pipefail

desktop=${1:?usage: check-desktop-files.sh DESKTOP_FILE METAINFO_FILE}
metainfo=${2:?usage: check-desktop-files.sh DESKTOP_FILE METAINFO_FILE}

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done

fail() { echo "FAILED: $*"; exit 1; }

echo "desktop-file-validate $desktop"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
echo "appstreamcli validate --no-net $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "the AppStream metadata is not valid"

id=$(basename "$desktop" .desktop)
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metadata does not launch $id.desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
grep -qx "Exec=zorvane" "$desktop" || fail "the desktop entry does not start zorvane"
grep -q '<screenshot type="default">' "$metainfo" || fail "the metadata has no screenshot"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
grep -v '^Type=' "$desktop" > "$scratch/broken.desktop"
if desktop-file-validate "$scratch/broken.desktop" >/dev/null 2>&1; then
  fail "desktop-file-validate accepts an entry without a type"
fi
sed 's|<summary>.*</summary>||; s|<name>.*</name>||' "$metainfo" > "$scratch/broken.metainfo.xml"
if appstreamcli validate --no-net "$scratch/broken.metainfo.xml" >/dev/null 2>&1; then
  fail "appstreamcli accepts metadata without a name and summary"
fi
