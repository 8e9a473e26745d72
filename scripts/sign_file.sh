#!/usr/bin/env bash
# Signs a Windows program, installer or package in place with Authenticode (SHA-256), for a
# release:
#   scripts/sign_file.sh FILE
# The key comes from the environment, never from a file of the project, in one of two ways:
#   on a token or a hardware module, as publicly trusted code-signing keys are kept:
#     PE_SIGN_PKCS11_MODULE  the token's PKCS#11 module (a .so)
#     PE_SIGN_KEY            the key's PKCS#11 URI ("pkcs11:token=...;object=...")
#     PE_SIGN_CERT           the certificate with its chain (PEM)
#     PE_SIGN_PIN            the token's PIN
#   or in a PKCS#12 file: PE_SIGN_PFX, its password in PE_SIGN_PASSWORD.
# The PIN or password reaches the signer through a pipe, never a command line or a log. The
# signing time is SOURCE_DATE_EPOCH (the commit's), so the same commit and key give the same
# bytes; PE_SIGN_TIMESTAMP, an RFC 3161 server's URL, adds a countersignature that keeps the
# signature valid after the certificate expires (a real release's, which then differs from one
# build to the next). Needs osslsigncode 2.9 (the secret read from standard input; packages).
set -euo pipefail
file=$1
options=(-h sha256 -n PofuttoErase -time "${SOURCE_DATE_EPOCH:?SOURCE_DATE_EPOCH is not set}")
if [ -n "${PE_SIGN_PKCS11_MODULE:-}" ]; then
  [ -f "$PE_SIGN_PKCS11_MODULE" ] || { echo "sign: no PKCS#11 module at PE_SIGN_PKCS11_MODULE" >&2; exit 1; }
  : "${PE_SIGN_KEY:?PE_SIGN_KEY names no key (a pkcs11: URI)}"
  [ -f "${PE_SIGN_CERT:-}" ] || { echo "sign: no certificate at PE_SIGN_CERT" >&2; exit 1; }
  options+=(-pkcs11module "$PE_SIGN_PKCS11_MODULE" -key "$PE_SIGN_KEY" -certs "$PE_SIGN_CERT" -login -readpass -)
  secret=${PE_SIGN_PIN:-}
else
  : "${PE_SIGN_PFX:?PE_SIGN_PFX names no certificate (or set PE_SIGN_PKCS11_MODULE)}"
  [ -f "$PE_SIGN_PFX" ] || { echo "sign: no certificate at PE_SIGN_PFX" >&2; exit 1; }
  options+=(-pkcs12 "$PE_SIGN_PFX" -readpass -)
  secret=${PE_SIGN_PASSWORD:-}
fi
[ -n "${PE_SIGN_TIMESTAMP:-}" ] && options+=(-ts "$PE_SIGN_TIMESTAMP")
signed="$file.signed"
rm -f "$signed"
if ! printf '%s' "$secret" | osslsigncode sign "${options[@]}" -in "$file" -out "$signed" >"$file.sign.log" 2>&1; then
  echo "sign: $(basename "$file") could not be signed: $(grep -v '^Succeeded' "$file.sign.log" | head -3 | tr '\n' ' ')" >&2
  rm -f "$signed" "$file.sign.log"
  exit 1
fi
rm -f "$file.sign.log"
chmod --reference="$file" "$signed"
mv -f "$signed" "$file"
