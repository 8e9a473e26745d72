#!/usr/bin/env bash
# A start that fails, shown and told by the exit code: the program run where Wine reaches no
# display, so that no window can be made (its application window first of all). It must end by
# itself with code 2, never through the C++ runtime's terminate (code 3), and clean nothing. Runs
# in a copy of the test prefix, whose Wine processes start without the display.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d "$build/start-failure.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
cleanup() { wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"; }
trap cleanup EXIT
PE_WINEPREFIX="$build/wine" bash "$root/scripts/pe.sh" _copy_prefix "$WINEPREFIX"

mkdir -p "$work/app" "$work/folder"
cp "$build/PofuttoErase.exe" "$work/app/"
printf '[Config]\r\nSearchCondition=*.~*\r\nRecurseSubDir=0\r\nUseRecycleBox=0\r\nNoInquiryBox=1\r\n' >"$work/app/PEConfig.ini"
: >"$work/folder/a.~x"
failed=0
for arguments in "" "RevorErase $(winepath -w "$work/folder" 2>/dev/null)"; do
  status=0
  # shellcheck disable=SC2086 # the arguments are words
  output=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 wine "$work/app/PofuttoErase.exe" $arguments 2>&1) || status=$?
  if [ "$status" != 2 ]; then echo "arguments '$arguments': ended with $status, not 2"; failed=1; fi
  if grep -q terminate <<<"$output"; then echo "arguments '$arguments': $output"; failed=1; fi
done
[ -e "$work/folder/a.~x" ] || { echo "a start that failed cleaned the folder"; failed=1; }
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$failed"
