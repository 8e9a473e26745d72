#!/usr/bin/env bash
# A blank folder argument must remove nothing, and never the root of the current drive. Run in
# a Wine prefix of its own whose only drive is a copy of C: (no Z: reaching the real root), so
# that even a faulty program could not harm this machine; then check that nothing changed.
set -euo pipefail
build=$(cd "$1" && pwd)
base="${WINEPREFIX:-$build/wine}"
iso=$(mktemp -d "$build/isolated.XXXXXX")
export WINEPREFIX="$iso/prefix" WINEDEBUG=-all
cleanup() { wineserver -k >/dev/null 2>&1 || true; rm -rf "$iso"; }
trap cleanup EXIT

# A copy (its system folder hard-linked: removing a name here never removes the file in the
# original prefix), with C: as its only drive.
PE_WINEPREFIX="$base" bash "$(dirname "${BASH_SOURCE[0]}")/../../scripts/pe.sh" _copy_prefix "$WINEPREFIX"
rm -rf "$WINEPREFIX/dosdevices"
mkdir -p "$WINEPREFIX/dosdevices"
ln -s ../drive_c "$WINEPREFIX/dosdevices/c:"

c="$WINEPREFIX/drive_c"
mkdir -p "$c/test" "$c/canary dir/inner"
cp "$build/PofuttoErase.exe" "$c/test/"
printf '[Config]\r\nSearchCondition=*.*;*\r\nRecurseSubDir=1\r\nUseRecycleBox=0\r\nNoInquiryBox=1\r\n' >"$c/test/PEConfig.ini"
for f in "$c/canary.~x" "$c/canary.txt" "$c/canary dir/a.~x" "$c/canary dir/inner/b.txt" "$c/test/c.~x"; do
  echo canary >"$f"
done

snapshot() { (cd "$c" && find . -path ./users -prune -o -print | LC_ALL=C sort); }
before=$(snapshot)
status=0
for blank in '   ' $'\t' ' '; do
  (cd "$c/test" && timeout 60 wine 'C:\test\PofuttoErase.exe' RevorErase "$blank" </dev/null >/dev/null 2>&1) || status=$?
  if [ "$status" -ne 0 ]; then echo "PofuttoErase did not end normally ($status)"; exit 1; fi
done
after=$(snapshot)

failed=0
if [ -e "$WINEPREFIX/dosdevices/z:" ]; then echo "the isolated prefix gained a Z: drive"; failed=1; fi
if [ "$before" != "$after" ]; then
  echo "a blank folder argument changed the drive:"
  diff <(echo "$before") <(echo "$after") | head -20
  failed=1
fi
[ "$failed" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$failed"
