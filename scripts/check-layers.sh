#!/usr/bin/env bash
# Checks that the folders of src/ include one another downwards only: a file
# may include headers of its own folder and of folders of a lower layer.
#   scripts/check-layers.sh [SRC_FOLDER]
# The layers, lowest first (docs/DEVELOPING.md says why):
#   0 data
#   1 stationinput queries widgets
#   2 grid
#   3 fares skin
#   4 journeys
#   5 journeyui
#   6 app cli
set -euo pipefail
src=${1:-"$(dirname "$0")/../src"}

declare -A layer=([data]=0 [stationinput]=1 [queries]=1 [widgets]=1 [grid]=2 [fares]=3 [skin]=3 [journeys]=4 [journeyui]=5 [app]=6 [cli]=6)

status=0
for folder in "$src"/*/; do
  name=$(basename "$folder")
  if [[ -z "${layer[$name]+set}" ]]; then
    echo "src/$name has no layer: add it to $0 and to docs/DEVELOPING.md"
    status=1
    continue
  fi
  while IFS=: read -r file line included; do
    target=${included%%/*}
    [[ "$target" == "$name" || -z "${layer[$target]+set}" ]] && continue
    if (( layer[$target] >= layer[$name] )); then
      echo "${file#"$src"/}:$line includes $included, but $target is not below $name"
      status=1
    fi
  done < <(grep -rnoE '^#include "[a-z]+/[^"]+"' "$folder" | sed -E 's/#include "([^"]+)"/\1/')
done
[[ $status -eq 0 ]] && echo "Every folder of src/ includes only the folders below it."
exit $status
