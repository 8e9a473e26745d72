#!/usr/bin/env bash
# Makes the release's files from a build: PofuttoErase-<version>.zip (PofuttoErase.exe and
# readme.txt in code page 932 with CRLF line ends), PofuttoErase-<version>-setup.exe, and
# SHA256SUMS for both, in the form `sha256sum -c` reads. The zip holds no time but the one given
# (the commit's) and no owner, so the same build gives the same bytes.
#   scripts/release_files.sh BUILD OUT [EPOCH]
set -euo pipefail
build=$(cd "$1" && pwd)
out=$2
epoch=${3:-315532800}  # without a commit's time: 1980-01-01, the first a zip can hold
version=$(cat "$build/generated/version.txt")
name="PofuttoErase-$version"
for file in "$build/PofuttoErase.exe" "$build/PofuttoErase-setup.exe" "$build/generated/readme.txt"; do
  [ -f "$file" ] || { echo "release: $file is missing: build PofuttoErase and its installer first" >&2; exit 1; }
done

mkdir -p "$out"
out=$(cd "$out" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/PofuttoErase.exe" "$stage/PofuttoErase.exe"
# Exactly CR LF after every line, whatever the template came with (a Windows checkout may give it
# CR LF already).
iconv -f UTF-8 -t CP932 "$build/generated/readme.txt" | tr -d '\r' | sed 's/$/\r/' >"$stage/readme.txt"
chmod 644 "$stage/PofuttoErase.exe" "$stage/readme.txt"
touch -d "@$epoch" "$stage/PofuttoErase.exe" "$stage/readme.txt"
rm -f "$out/$name.zip"
(cd "$stage" && TZ=UTC zip -X -q -D "$out/$name.zip" PofuttoErase.exe readme.txt)
cp "$build/PofuttoErase-setup.exe" "$out/$name-setup.exe"
(cd "$out" && sha256sum "$name.zip" "$name-setup.exe" >SHA256SUMS)
