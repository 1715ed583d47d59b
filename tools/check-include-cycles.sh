#!/usr/bin/env bash
# Fails when two modules of one source folder include each other (a module is x.h with x.cpp):
# within a folder, dependencies point one way. Usage: check-include-cycles.sh [SRC_DIR...]
set -euo pipefail
status=0
for root in "${@:-$(dirname "$0")/../src}"; do
  for dir in "$root"/*/; do
    folder=$(basename "$dir")
    declare -A uses=()
    for file in "$dir"*.h "$dir"*.cpp; do
      [[ -e $file ]] || continue
      stem=$(basename "${file%.*}")
      while read -r other; do
        [[ $other != "$stem" ]] && uses["$stem>$other"]=1
      done < <(sed -n "s|^[[:space:]]*#include \"$folder/\([^\"]*\)\.[a-z]*\".*|\1|p" "$file")
    done
    for edge in "${!uses[@]}"; do
      a=${edge%%>*} b=${edge#*>}
      if [[ $a < $b && -n ${uses["$b>$a"]:-} ]]; then
        echo "$folder: $a and $b include each other"
        status=1
      fi
    done
    unset uses
  done
done
exit $status
