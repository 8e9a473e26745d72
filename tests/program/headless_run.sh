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
ours() {  # processes that run in a prefix ($1), the copied one by default
  grep -lsxzF "WINEPREFIX=${1:-$prefix}" /proc/[0-9]*/environ 2>/dev/null | grep -v "^/proc/$$/" || true
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

# The settings dialog waits for a click: its picture appears, and a signal ends everything of
# ours at whatever moment it comes. $1: the moment (setup: while a new prefix is made; notice:
# right after the one line; later: a second after it; picture: once the screen is pictured);
# $2: INT to the whole foreground group, as Ctrl+C does, or TERM to pe.sh alone, as kill does.
stop_at() {
  local moment=$1 signal=$2 where=$prefix job status=0 expected
  [ "$signal" = INT ] && expected=130 || expected=143
  if [ "$moment" = setup ]; then where="$work/fresh"; rm -rf "$where"; mkdir -p "$where"; fi
  rm -f "$config" "$build/run-screen.png"
  set -m  # a job of its own, as a terminal's foreground job is
  env -u DISPLAY PE_WINEPREFIX="$where" bash "$root/scripts/pe.sh" run >"$work/output" 2>&1 &
  job=$!
  set +m
  for _ in $(seq 600); do
    case $moment in
      setup) [ -d "$where/drive_c" ] && break ;;
      notice | later) grep -q "No DISPLAY" "$work/output" && break ;;
      picture) [ -s "$build/run-screen.png" ] && break ;;
    esac
    sleep 0.05
  done
  [ "$moment" = later ] && sleep 1
  if [ "$moment" = picture ]; then
    [ "$(head -c 4 "$build/run-screen.png" 2>/dev/null | tail -c 3)" = PNG ] || fail "no picture of the screen"
    [ -n "$(ours "$where")" ] || fail "the program was not running in the copied prefix"
  fi
  if [ "$signal" = INT ]; then kill -INT -- "-$job"; else kill -TERM "$job"; fi
  # Everything ends within a few seconds: the script and every process of the prefix.
  for _ in $(seq 80); do
    if ! kill -0 "$job" 2>/dev/null && [ -z "$(ours "$where")" ]; then break; fi
    sleep 0.1
  done
  if kill -0 "$job" 2>/dev/null; then
    fail "$signal at $moment: the run did not end within 8 s"
    kill -KILL -- "-$job" 2>/dev/null || true
  fi
  wait "$job" || status=$?
  [ "$status" = "$expected" ] || fail "$signal at $moment: the run ended with $status"
  [ -z "$(ours "$where")" ] || fail "$signal at $moment: still running: $(ours "$where" | while read -r p; do
    tr '\0' ' ' <"${p%environ}cmdline"; echo; done)"
  if [ "$moment" != setup ]; then
    one_line "$(cat "$work/output")" || fail "$signal at $moment: the run said: $(cat "$work/output")"
  fi
  WINEPREFIX="$where" wineserver -k >/dev/null 2>&1 || true
}

stop_at picture INT
stop_at notice INT
# Right at the notice the virtual screen is starting: a moment to hit more than once.
for _ in $(seq 10); do stop_at notice TERM; done
stop_at later TERM
stop_at setup INT
stop_at setup TERM
exit $failed
