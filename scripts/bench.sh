#!/usr/bin/env bash
# The cleanup benchmark; run it as `bash scripts/pe.sh bench [FILES] [ROUNDS]`, which builds
# and sets up Wine first. On fresh copies of a generated source-like tree, alternating, it
# times under the same Wine:
#   1. PofuttoErase's immediate cleanup (RevorErase, recursive, the two default conditions);
#   2. cmd /c del /s /q with the same two patterns;
#   3. the floor: one raw enumeration per folder and a DeleteFileW per match (bench/floor.cpp).
# It prints the median wall time of each, the ratios 1/2 and 1/3 and PofuttoErase's peak
# memory (for this tree and one twice as large), and checks that every run removed exactly
# the expected files.
# First it times the start-up: from starting PofuttoErase.exe until its confirm-all and its
# choose-condition dialog are visible and waiting for input, alternating with a minimal
# program that shows one empty window (bench/empty_window.cpp, the floor), and prints the
# medians and the ratios (target <= 1.5).
#
# `bench --slope [ROUNDS] [FOLDERS...]` instead times the three on trees of FOLDERS folders (500,
# 2,000 and 8,000 by default: 10,020, 40,020 and 160,020 files) with 20 files each, about 5 %
# matching, and prints for each size the medians, the ratios to the floor and to del and
# PofuttoErase's peak memory, then the cost per file of each between the smallest and the
# largest tree and PofuttoErase's against the floor's (the slope, target <= 1.15).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build"
slope=0
startup_only=0
if [ "${1:-}" = --startup ]; then
  startup_only=1
  startup_rounds=${2:-15}
elif [ "${1:-}" = --slope ]; then
  slope=1
  rounds=${2:-3}
  sizes=("${@:3}")
  [ ${#sizes[@]} -ge 2 ] || sizes=(500 2000 8000)
  small=${sizes[0]}
  large=${sizes[-1]}
else
  files=${1:-40000}
  rounds=${2:-5}
fi
work=$(mktemp -d /tmp/pe-bench.XXXXXX)
# Wine's processes (the window kept open below among them) end before the trees go.
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
command -v /usr/bin/time >/dev/null || { apt-get install -y -qq time >/dev/null; }
command -v python3 >/dev/null || { apt-get install -y -qq python3 >/dev/null; }
command -v bc >/dev/null || { apt-get install -y -qq bc >/dev/null; }

dos() { winepath -w "$1" 2>/dev/null; }

setup_tree() {  # $1: the folder, then FILES or --grid FOLDERS (see bench/make_tree.py)
  local folder=$1
  shift
  if [ "$1" = --grid ]; then
    python3 "$root/bench/make_tree.py" --grid "$folder/master" "$2"
  else
    python3 "$root/bench/make_tree.py" "$folder/master" "$1"
  fi
  mkdir -p "$folder/bin"
  cp "$build/PofuttoErase.exe" "$build/bench_floor.exe" "$folder/bin/"
  printf '[Config]\r\nSearchCondition=*.~*;.#*.*\r\nRecurseSubDir=1\r\nUseRecycleBox=0\r\nNoInquiryBox=1\r\n' \
    >"$folder/bin/PEConfig.ini"
}

# Runs one method on a fresh copy; prints "seconds peak-kilobytes" and checks the result.
run_one() {  # $1: method, $2: folder
  local copy="$2/copy" target start end rss
  rm -rf "$copy"
  cp -a "$2/master" "$copy"
  sync
  target=$(dos "$copy")
  # Every path is converted before the clock starts: a conversion is a Wine process of its own.
  local program floor
  program=$(dos "$2/bin/PofuttoErase.exe")
  floor=$(dos "$2/bin/bench_floor.exe")
  start=$(date +%s.%N)
  case "$1" in
    pofutto) /usr/bin/time -f %M -o "$2/rss" wine "$program" RevorErase "$target" ;;
    del) /usr/bin/time -f %M -o "$2/rss" wine cmd /c del /s /q "$target\\*.~*" "$target\\.#*.*" >/dev/null 2>&1 ;;
    floor) /usr/bin/time -f %M -o "$2/rss" wine "$floor" "$target" ;;
  esac
  end=$(date +%s.%N)
  rss=$(tail -n 1 "$2/rss")
  if ! diff -q <(cd "$copy" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) \
                <(LC_ALL=C sort "$2/master.expected") >/dev/null; then
    echo "MISMATCH: $1 did not leave exactly the expected files" >&2
    diff <(cd "$copy" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) <(LC_ALL=C sort "$2/master.expected") | head -5 >&2
    echo "mismatch" >"$2/failed"
  fi
  echo "$(echo "$end - $start" | bc) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }

# On Windows the desktop and its services are always there when a program starts. Wine starts its
# desktop process with the first window and ends it a moment after the last one has gone, so a
# program that shows a window would pay for a desktop start in every timing (about 0.25 s here)
# while the windowless floor never does: one window stays open for the whole benchmark instead.
wine "$(dos "$build/bench_empty_window.exe")" session-keeper >/dev/null 2>&1 &
sleep 3

# The medians of the three methods over the rounds on one tree, and PofuttoErase's peak memory:
# "pofutto del floor peak-kilobytes".
time_tree() {  # $1: the folder
  local round method seconds rss peak=0
  local -A times=([pofutto]="" [del]="" [floor]="")
  for round in $(seq 1 "$rounds"); do
    for method in pofutto del floor; do
      read -r seconds rss < <(run_one "$method" "$1")
      times[$method]+="$seconds"$'\n'
      [ "$method" = pofutto ] && [ "$rss" -gt "$peak" ] && peak=$rss
    done
  done
  echo "$(printf '%s' "${times[pofutto]}" | median) $(printf '%s' "${times[del]}" | median)" \
    "$(printf '%s' "${times[floor]}" | median) $peak"
}

if [ "$slope" = 1 ]; then
  declare -A at
  for size in "${sizes[@]}"; do
    mkdir -p "$work/grid$size"
    tree=$(setup_tree "$work/grid$size" --grid "$size")
    at[$size]=$(time_tree "$work/grid$size")
    read -r p d f peak <<<"${at[$size]}"
    printf '%s: PofuttoErase %.3f s, cmd del /s %.3f s, floor %.3f s (medians of %d); x floor %.2f, x del %.2f;' \
      "$tree" "$p" "$d" "$f" "$rounds" "$(echo "$p / $f" | bc -l)" "$(echo "$p / $d" | bc -l)"
    echo " PofuttoErase peak memory ${peak} KB"
  done
  read -r p1 d1 f1 _ <<<"${at[$small]}"
  read -r p2 d2 f2 _ <<<"${at[$large]}"
  files=$(((large - small) * 20))
  printf 'cost per file from %d to %d folders: PofuttoErase %.1f us, cmd del /s %.1f us, floor %.1f us\n' \
    "$small" "$large" "$(echo "($p2 - $p1) * 1000000 / $files" | bc -l)" \
    "$(echo "($d2 - $d1) * 1000000 / $files" | bc -l)" "$(echo "($f2 - $f1) * 1000000 / $files" | bc -l)"
  printf 'slope PofuttoErase / floor = %.2f (target <= 1.15)\n' "$(echo "($p2 - $p1) / ($f2 - $f1)" | bc -l)"
  if compgen -G "$work/grid*/failed" >/dev/null; then
    echo "some runs did not remove exactly the expected files"
    exit 1
  fi
  echo "every run removed exactly the expected files"
  exit 0
fi

startup="$work/startup"
startup_rounds=${startup_rounds:-15}
mkdir -p "$startup/folder"
cp "$build/PofuttoErase.exe" "$build/bench_empty_window.exe" "$startup/"
printf '[Config]\r\nSearchCondition=*.~*;.#*.*\r\nRecurseSubDir=1\r\nUseRecycleBox=0\r\nNoInquiryBox=0\r\n' \
  >"$startup/PEConfig.ini"
program=$(dos "$startup/PofuttoErase.exe")
folder=$(dos "$startup/folder")
mapfile -t starts < <(wine "$(dos "$build/bench_startup.exe")" "$startup_rounds" \
  "ポフッと削除する条件の設定" "$program" "" \
  "条件に該当するすべてのファイルをポフッと削除" "$program" "RevorErase \"$folder\"" \
  "条件を選択してファイルをポフッと削除" "$program" "others \"$folder\"" \
  "empty" "$(dos "$startup/bench_empty_window.exe")" "" | tr -d '\r')
read -r empty_shown empty_ready <<<"${starts[3]}"
echo "start-up, medians of $startup_rounds (on screen / ready for input), against an empty window" \
  "($empty_shown / $empty_ready ms):"
names=("settings dialog" "confirm-all" "choose-condition")
for i in 0 1 2; do
  read -r shown ready <<<"${starts[$i]}"
  printf '  %-17s %6.1f / %6.1f ms   x %.2f on screen (target <= 1.15), x %.2f ready (target <= 1.3)\n' \
    "${names[$i]}" "$shown" "$ready" "$(echo "$shown / $empty_shown" | bc -l)" "$(echo "$ready / $empty_ready" | bc -l)"
done
[ "$startup_only" = 1 ] && exit 0

echo "tree: $(setup_tree "$work" "$files")"
read -r m1 m2 m3 peak < <(time_tree "$work")
printf 'median wall time over %d rounds: PofuttoErase %.3f s, cmd del /s %.3f s, floor %.3f s\n' "$rounds" "$m1" "$m2" "$m3"
printf 'ratio 1/2 = %.2f (target <= 0.6), ratio 1/3 = %.2f (target <= 1.3)\n' \
  "$(echo "$m1 / $m2" | bc -l)" "$(echo "$m1 / $m3" | bc -l)"

double="$work/double"
mkdir -p "$double"
echo "tree twice as large: $(setup_tree "$double" $((files * 2)))"
read -r _ rss2 < <(run_one pofutto "$double")
echo "PofuttoErase peak memory: ${peak} KB at $files files, ${rss2} KB at $((files * 2)) files"
if [ -e "$work/failed" ] || [ -e "$double/failed" ]; then echo "some runs did not remove exactly the expected files"; exit 1; fi
echo "every run removed exactly the expected files"
