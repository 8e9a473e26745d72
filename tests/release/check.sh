#!/usr/bin/env bash
# The release's files, made from this build (scripts/release_files.sh): named for the version that
# CMakeLists.txt holds ($2), the zip holding exactly the program and its readme, the readme in code
# page 932 with CRLF line ends naming that version and the settings file's keys, SHA256SUMS that
# `sha256sum -c` accepts, and the same bytes when made again.
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$*"; failed=1; }

bash "$root/scripts/release_files.sh" "$build" "$work/one" 1700000000
sleep 1
bash "$root/scripts/release_files.sh" "$build" "$work/two" 1700000000
listed=$(cd "$work/one" && ls | tr '\n' ' ')
[ "$listed" = "PofuttoErase-$version-setup.exe PofuttoErase-$version.zip SHA256SUMS " ] || fail "dist holds: $listed"
for file in "PofuttoErase-$version.zip" "PofuttoErase-$version-setup.exe" SHA256SUMS; do
  cmp -s "$work/one/$file" "$work/two/$file" || fail "$file differs when made again"
done
(cd "$work/one" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not check"

entries=$(unzip -Z1 "$work/one/PofuttoErase-$version.zip" | tr '\n' ' ')
[ "$entries" = "PofuttoErase.exe readme.txt " ] || fail "the zip holds: $entries"
cmp -s <(unzip -p "$work/one/PofuttoErase-$version.zip" PofuttoErase.exe) "$build/PofuttoErase.exe" ||
  fail "the zip's program is not the build's"
unzip -p "$work/one/PofuttoErase-$version.zip" readme.txt >"$work/readme.txt"
text=$(iconv -f CP932 -t UTF-8 "$work/readme.txt") || fail "readme.txt is not code page 932"
[ "$(grep -c $'\r$' "$work/readme.txt")" = "$(wc -l <"$work/readme.txt")" ] || fail "readme.txt has lines without CRLF"
for said in "VARNEL ポフッと削除 $version.0" "Copyright (C) 2026 VARNEL" "PofuttoErase-$version-setup.exe" \
  PEConfig.ini SearchCondition RecurseSubDir UseRecycleBox NoInquiryBox RevorErase others; do
  grep -qF "$said" <<<"$text" || fail "readme.txt does not say: $said"
done
exit $failed
