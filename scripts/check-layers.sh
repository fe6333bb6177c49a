#!/usr/bin/env bash
# Checks that the program's layers depend one way: each folder of src/ may
# include only the folders listed for it. Prints every include that breaks
# the rule, and fails if there is one.
# Usage: check-layers.sh SRC_DIR
set -euo pipefail
src=$1

declare -A allowed=(
  [platform]="platform"
  [core]="core platform"
  [pointer]="pointer core platform"
  [app]="app core platform"
  [commands]="commands app pointer core platform"
  [program]="program commands app pointer core platform"
)

broken=0
for layer in "${!allowed[@]}"; do
  [ -d "$src/$layer" ] || continue
  while IFS=: read -r file line include; do
    used=${include#*\"}
    used=${used%%/*}
    if [[ " ${allowed[$layer]} " != *" $used "* ]]; then
      echo "${file#"$src"/}:$line: $layer/ includes $used/"
      broken=1
    fi
  done < <(grep -rnE '^#include "[^"]+/' "$src/$layer" || true)
done
[ $broken -eq 0 ] && echo "every layer includes only the layers below it"
exit $broken
