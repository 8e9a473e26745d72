#!/usr/bin/env bash
# The toolkit's files include one another only downwards in the order that src/ui/README.md
# lists: a unit (a header with its source) includes only units listed before it, and every unit
# of src/ui is listed. So there is no circle inside the toolkit.
set -euo pipefail
ui="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../src/ui" && pwd)"
mapfile -t order < <(sed -n '/<!-- order:/,/<!-- end of order/p' "$ui/README.md" | awk 'NF && $1 !~ /^<!--/ {print $1}')
[ ${#order[@]} -gt 0 ] || { echo "no order in $ui/README.md"; exit 1; }
declare -A position
for i in "${!order[@]}"; do position[${order[$i]}]=$i; done
failed=0
for file in "$ui"/*.h "$ui"/*.cpp; do
  unit=$(basename "${file%.*}")
  if [ -z "${position[$unit]+set}" ]; then
    echo "src/ui/$(basename "$file"): $unit is not in the order"
    failed=1
    continue
  fi
  for used in $(grep -o '#include "ui/[A-Za-z]*\.h"' "$file" | sed 's/#include "ui\///; s/\.h"//'); do
    [ "$used" = "$unit" ] && continue
    if [ -z "${position[$used]+set}" ] || [ "${position[$used]}" -ge "${position[$unit]}" ]; then
      echo "src/ui/$(basename "$file") includes $used, which stands below $unit in the order"
      failed=1
    fi
  done
done
exit $failed
