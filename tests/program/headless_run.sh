#!/usr/bin/env bash
# `scripts/pe.sh run` without a display: one line says where the windows are; the immediate
# course cleans a folder and ends by itself; a dialog course keeps a picture of the virtual
# screen and ends on Ctrl+C with every process of its own. Runs in a copy of the test prefix, so
# that ending the program's Wine processes never touches the other tests'.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
base="$build/wine"
work=$(mktemp -d "$build/headless.XXXXXX")
prefix="$work/prefix"
config="$build/PEConfig.ini"
[ -f "$config" ] && cp "$config" "$work/config.saved"
cleanup() {
  WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  if [ -f "$work/config.saved" ]; then cp "$work/config.saved" "$config"; else rm -f "$config"; fi
  rm -rf "$work"
}
trap cleanup EXIT

PE_WINEPREFIX="$base" bash "$root/scripts/pe.sh" _copy_prefix "$prefix"

run=(env -u DISPLAY PE_WINEPREFIX="$prefix" bash "$root/scripts/pe.sh" run)
ours() {  # processes that run in the copied prefix
  grep -lsz "^WINEPREFIX=$prefix\$" /proc/[0-9]*/environ 2>/dev/null | grep -v "^/proc/$$/" || true
}
failed=0
fail() { echo "$*"; failed=1; }
one_line() {  # $1: the output
  [ "$(printf '%s\n' "$1" | grep -c .)" = 1 ] && [[ "$1" == "No DISPLAY: "*"run-screen.png"*"Ctrl+C"* ]]
}

# The immediate course needs no click: it cleans and ends by itself.
mkdir -p "$work/folder/sub"
touch "$work/folder/a.~x" "$work/folder/keep.c" "$work/folder/sub/.#b.c" "$work/folder/sub/keep.h"
printf '[Config]\r\nSearchCondition=*.~*;.#*.*\r\nRecurseSubDir=1\r\nUseRecycleBox=0\r\nNoInquiryBox=1\r\n' >"$config"
status=0
output=$(timeout 120 "${run[@]}" RevorErase "$work/folder" 2>&1) || status=$?
[ "$status" = 0 ] || fail "the immediate course ended with $status"
one_line "$output" || fail "the immediate course said: $output"
left=$(cd "$work/folder" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
[ "$left" = "./keep.c ./sub/keep.h " ] || fail "the immediate course left: $left"

# The settings dialog waits for a click: its picture appears, and Ctrl+C ends everything.
rm -f "$config" "$build/run-screen.png"
set -m  # a job that takes Ctrl+C (SIGINT), as a terminal's foreground job does
"${run[@]}" >"$work/output" 2>&1 &
job=$!
set +m
for _ in $(seq 600); do [ -s "$build/run-screen.png" ] && break; sleep 0.1; done
if [ "$(head -c 4 "$build/run-screen.png" 2>/dev/null | tail -c 3)" != PNG ]; then fail "no picture of the screen"; fi
[ -n "$(ours)" ] || fail "the program was not running in the copied prefix"
kill -INT "$job"
status=0
for _ in $(seq 300); do kill -0 "$job" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$job" 2>/dev/null; then
  fail "the run did not end within 30 s of Ctrl+C"
  kill -KILL -- "-$job" 2>/dev/null || true
fi
wait "$job" || status=$?
[ "$status" = 130 ] || fail "after Ctrl+C the run ended with $status"
one_line "$(cat "$work/output")" || fail "the run said: $(cat "$work/output")"
sleep 0.5
[ -z "$(ours)" ] || fail "still running after Ctrl+C: $(ours | while read -r p; do tr '\0' ' ' <"${p%environ}cmdline"; echo; done)"
exit $failed
