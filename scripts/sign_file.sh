#!/usr/bin/env bash
# Signs a Windows program or installer in place with Authenticode (SHA-256), for a release:
#   scripts/sign_file.sh FILE
# The certificate comes from the environment, never from a file of the project: PE_SIGN_PFX (a
# PKCS#12 file) and PE_SIGN_PASSWORD (its password, handed to the signer through a pipe, never
# on a command line). The signing time is SOURCE_DATE_EPOCH (the commit's), so the same commit
# and certificate give the same bytes; PE_SIGN_TIMESTAMP, an RFC 3161 server's URL, adds a
# countersignature (a real release's, which then differs from one build to the next).
set -euo pipefail
file=$1
: "${PE_SIGN_PFX:?PE_SIGN_PFX names no certificate}"
[ -f "$PE_SIGN_PFX" ] || { echo "sign: no certificate at PE_SIGN_PFX" >&2; exit 1; }
options=(-pkcs12 "$PE_SIGN_PFX" -readpass - -h sha256 -n "VARNEL ポフッと削除")
options+=(-time "${SOURCE_DATE_EPOCH:?SOURCE_DATE_EPOCH is not set}")
[ -n "${PE_SIGN_TIMESTAMP:-}" ] && options+=(-ts "$PE_SIGN_TIMESTAMP")
signed="$file.signed"
rm -f "$signed"
if ! printf '%s' "${PE_SIGN_PASSWORD:-}" | osslsigncode sign "${options[@]}" -in "$file" -out "$signed" >"$file.sign.log" 2>&1; then
  echo "sign: $(basename "$file") could not be signed: $(grep -v '^Succeeded' "$file.sign.log" | head -3 | tr '\n' ' ')" >&2
  rm -f "$signed" "$file.sign.log"
  exit 1
fi
rm -f "$file.sign.log"
chmod --reference="$file" "$signed"
mv -f "$signed" "$file"
