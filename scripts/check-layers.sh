#!/usr/bin/env bash
# Fails when a source file includes one of a higher layer. The layers, lowest
# first: platform, model, ui/kit, ui/jelly, ui/map, ui/views, app. A file in a
# folder of no known layer fails too, so a new folder is given its place here.
# Usage: check-layers.sh [source root, default: the repository's src/]
set -euo pipefail
root="${1:-$(dirname "$0")/../src}"
cd "$root"

layer_of() {
  case "$1" in
    platform/*) echo 0 ;;
    model/*) echo 1 ;;
    ui/kit/*) echo 2 ;;
    ui/jelly/*) echo 3 ;;
    ui/map/*) echo 4 ;;
    ui/views/*) echo 5 ;;
    app/*) echo 6 ;;
    *) echo -1 ;;
  esac
}

status=0
while IFS= read -r -d '' file; do
  file="${file#./}"
  own=$(layer_of "$file")
  if [[ $own -lt 0 ]]; then
    echo "no layer for $file"
    status=1
    continue
  fi
  while IFS= read -r included; do
    theirs=$(layer_of "$included")
    if [[ $theirs -gt $own ]]; then
      echo "$file includes $included, a higher layer"
      status=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find . \( -name '*.h' -o -name '*.cpp' \) -print0 | sort -z)

if [[ $status -eq 0 ]]; then echo "every include points down"; fi
exit $status
