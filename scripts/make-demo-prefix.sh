#!/usr/bin/env bash
# Makes a Wine-style prefix with both games installed, a few maps in each
# maps folder and in storage, a stock map or two and stray maps for the repair.
# Usage: make-demo-prefix.sh PREFIX
set -euo pipefail

prefix=${1:?usage: make-demo-prefix.sh PREFIX}
rm -rf "$prefix"
mkdir -p "$prefix/dosdevices" "$prefix/drive_c"
ln -s ../drive_c "$prefix/dosdevices/c:"
ln -s / "$prefix/dosdevices/z:"
cat > "$prefix/system.reg" <<'REG'
WINE REGISTRY Version 2
;; All keys relative to \\Machine

[Software\\Wine\\Drives] 1700000000
"c:"="hd"
REG

c="$prefix/drive_c"
ww="$c/Program Files/Sunstorm/Wild Wings"
rm3="$c/Program Files/Sunstorm/Rocky Mountain Trophy Hunter 3"
mkdir -p "$ww/Home/Maps/Stored Maps" "$rm3/Home/Maps/Stored Maps" "$c/WINDOWS/TEMP"
: > "$ww/Wild Wings.exe"
: > "$rm3/Rocky Mountain Trophy Hunter 3.exe"

font=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf
# A map: its .gmx and, unless told otherwise, a preview picture with its name.
map() { # folder name [nopreview]
  local folder=$1 name=$2
  printf 'GMX demo map %s\n' "$name" > "$folder/$name.gmx"
  [ "${3:-}" = nopreview ] && return
  if command -v convert >/dev/null; then
    convert -size 300x97 gradient:'#2f4a22-#8a6d3b' -fill '#f4ecd0' -font "$font" \
      -pointsize 22 -gravity center -annotate 0 "$name" "BMP3:$folder/$name.bmp"
  else
    printf 'BM' > "$folder/$name.bmp"
  fi
}

for m in "Marsh Flats" "Cedar Creek" "Goose Bay"; do map "$ww/Home/Maps" "$m"; done
map "$ww/Home/Maps" "Foggy Bottom" nopreview
for m in "Prairie Wind" "Old Orchard"; do map "$ww/Home/Maps/Stored Maps" "$m"; done
map "$ww/Home/Maps" "LA_01" nopreview

for m in "Timberline" "Granite Pass" "Bear Hollow"; do map "$rm3/Home/Maps" "$m"; done
for m in "Elk Meadow" "Frozen Lake"; do map "$rm3/Home/Maps/Stored Maps" "$m"; done
map "$rm3/Home/Maps/Stored Maps" "Olney" nopreview
map "$c/WINDOWS/TEMP" "Taiga"

echo "Demo prefix ready: $prefix"
