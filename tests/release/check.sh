#!/usr/bin/env bash
# The release's files, made from this build (scripts/release_files.sh): named for the version that
# CMakeLists.txt holds ($2), the zip holding exactly the program and its readme, the readme in code
# page 932 with CRLF line ends naming that version and the settings file's keys, SHA256SUMS that
# `sha256sum -c` accepts, and the same bytes when made again; also from a template that a Windows
# checkout handed over with CRLF line ends.
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$*"; failed=1; }
# Whether two files hold the same bytes (without cmp, which a default MSYS2 lacks).
same_bytes() { [ "$(sha256sum <"$1")" = "$(sha256sum <"$2")" ]; }
# Whether every line of a file ends in exactly CR LF: no lone CR, no lone LF, none unended.
crlf_only() {
  local crlf cr lf
  crlf=$(grep -c $'\r$' "$1" || true)
  cr=$(tr -cd '\r' <"$1" | wc -c)
  lf=$(tr -cd '\n' <"$1" | wc -c)
  [ "$lf" -gt 0 ] && [ "$cr" = "$lf" ] && [ "$crlf" = "$lf" ] && [ "$(tail -c 2 "$1" | od -An -tx1 | tr -d ' ')" = 0d0a ]
}

bash "$root/scripts/release_files.sh" "$build" "$work/one" 1700000000
sleep 1
bash "$root/scripts/release_files.sh" "$build" "$work/two" 1700000000
listed=$(cd "$work/one" && ls | tr '\n' ' ')
[ "$listed" = "PofuttoErase-$version-setup.exe PofuttoErase-$version.zip SHA256SUMS " ] || fail "dist holds: $listed"
for file in "PofuttoErase-$version.zip" "PofuttoErase-$version-setup.exe" SHA256SUMS; do
  same_bytes "$work/one/$file" "$work/two/$file" || fail "$file differs when made again"
done
(cd "$work/one" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not check"

entries=$(unzip -Z1 "$work/one/PofuttoErase-$version.zip" | tr '\n' ' ')
[ "$entries" = "PofuttoErase.exe readme.txt " ] || fail "the zip holds: $entries"
same_bytes <(unzip -p "$work/one/PofuttoErase-$version.zip" PofuttoErase.exe) "$build/PofuttoErase.exe" ||
  fail "the zip's program is not the build's"
unzip -p "$work/one/PofuttoErase-$version.zip" readme.txt >"$work/readme.txt"
text=$(iconv -f CP932 -t UTF-8 "$work/readme.txt") || fail "readme.txt is not code page 932"
crlf_only "$work/readme.txt" || fail "readme.txt has a line that does not end in exactly CR LF"

# The template as a Windows checkout gives it (CR LF already): the same readme.
mkdir -p "$work/crlf-build/generated"
cp "$build/PofuttoErase.exe" "$build/PofuttoErase-setup.exe" "$work/crlf-build/"
cp "$build/generated/version.txt" "$work/crlf-build/generated/"
sed 's/$/\r/' "$build/generated/readme.txt" >"$work/crlf-build/generated/readme.txt"
bash "$root/scripts/release_files.sh" "$work/crlf-build" "$work/crlf" 1700000000
unzip -p "$work/crlf/PofuttoErase-$version.zip" readme.txt >"$work/crlf-readme.txt"
crlf_only "$work/crlf-readme.txt" && same_bytes "$work/crlf-readme.txt" "$work/readme.txt" ||
  fail "a CRLF template gives another readme.txt"
for said in "VARNEL ポフッと削除 $version.0" "Copyright (C) 2026 VARNEL" "PofuttoErase-$version-setup.exe" \
  PEConfig.ini SearchCondition RecurseSubDir UseRecycleBox NoInquiryBox RevorErase others; do
  grep -qF "$said" <<<"$text" || fail "readme.txt does not say: $said"
done
# Signed with a certificate made here and now (never one of the project's): the program as
# scripts/sign_file.sh signs it once it is linked, and the installer as its build signs the
# uninstaller before packing it and the installer once it is written. Each signature verifies
# against the certificate; the zip holds the signed program, which without its signature is the
# unsigned build's; and the same files signed again (below, with the key on a token) give the same
# bytes.
if command -v osslsigncode >/dev/null && command -v openssl >/dev/null && command -v makensis >/dev/null &&
  command -v python3 >/dev/null; then
  keys="$work/keys"
  mkdir -p "$keys" "$work/signed/generated"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -keyout "$keys/key.pem" -out "$keys/cert.pem" \
    -subj "/CN=PofuttoErase test signer" -addext extendedKeyUsage=codeSigning 2>/dev/null
  openssl pkcs12 -export -inkey "$keys/key.pem" -in "$keys/cert.pem" -out "$keys/signer.pfx" -passout pass:test-only
  export PE_SIGN_PFX="$keys/signer.pfx" PE_SIGN_PASSWORD=test-only SOURCE_DATE_EPOCH=1700000000
  verify() { osslsigncode verify -CAfile "$keys/cert.pem" -in "$1" >/dev/null 2>&1; }
  # The signer keeps a copy of the uninstaller it signed (any file but the installer), to be
  # looked at here.
  cat >"$keys/sign_and_keep.sh" <<SIGN
bash "$root/scripts/sign_file.sh" "\$1" || exit 1
case "\$1" in *-setup.exe) ;; *) cp "\$1" "\$KEEP_UNINSTALLER_IN/uninstaller.exe" ;; esac
SIGN
  publisher=$(bash "$root/scripts/certificate_subject.sh" <"$keys/cert.pem")
  # As a signed build does: the program, the context-menu module and the sparse package signed,
  # then the installer, which holds the two and signs its uninstaller.
  sign_all() {  # $1: where the signed build goes
    mkdir -p "$1/generated"
    export KEEP_UNINSTALLER_IN="$1"
    cp "$build/PofuttoErase.exe" "$build/PofuttoEraseMenu.dll" "$1/"
    cp "$build/generated/version.txt" "$build/generated/readme.txt" "$1/generated/"
    bash "$root/scripts/sign_file.sh" "$1/PofuttoErase.exe"
    bash "$root/scripts/sign_file.sh" "$1/PofuttoEraseMenu.dll"
    python3 "$root/scripts/make_package.py" "$build/generated/AppxManifest.xml" "$root/resources/PofuttoErase.ico" \
      "$publisher" 1700000000 "$1/PofuttoErase.msix"
    bash "$root/scripts/sign_file.sh" "$1/PofuttoErase.msix"
    python3 "$root/scripts/make_package.py" --settle 1700000000 "$1/PofuttoErase.msix"
    (cd "$root/installer" && makensis -V2 -INPUTCHARSET UTF8 "-DEXE=$1/PofuttoErase.exe" \
      "-DOUTFILE=$1/PofuttoErase-setup.exe" -DCOPYRIGHT=test "-DENTRIES=$build/generated/FolderEntries.nsh" \
      -DSIGN_SHELL=bash "-DSIGN_SCRIPT=$keys/sign_and_keep.sh" \
      "-DMENU=$1/PofuttoEraseMenu.dll" "-DPACKAGE=$1/PofuttoErase.msix" PofuttoErase.nsi >/dev/null)
    bash "$root/scripts/release_files.sh" "$1" "$1/out" 1700000000
  }
  sign_all "$work/signed"
  for file in PofuttoErase.exe PofuttoEraseMenu.dll PofuttoErase.msix PofuttoErase-setup.exe uninstaller.exe; do
    verify "$work/signed/$file" || fail "the signed $file does not verify against its certificate"
  done
  # The package as Windows reads it, and the identity the program's manifest names in a build
  # signed with this certificate (made as the build makes it).
  cmake "-DPOFUTTO_SOURCE=$root" "-DPOFUTTO_VERSION=$version" "-DPOFUTTO_PACKAGE_PUBLISHER=$publisher" \
    "-DPOFUTTO_MANIFEST=$work/program.manifest" -P "$root/cmake/manifest.cmake"
  classes=$(sed -n 's/^set(POFUTTO_MENU_\(CLEAN\|CHOOSE\)_GUID \(.*\))$/\2/p' "$root/CMakeLists.txt" | tr '\n' ' ')
  # shellcheck disable=SC2086 # the two class ids
  python3 "$root/tests/release/check_package.py" "$work/signed/PofuttoErase.msix" "$work/program.manifest" "$publisher" \
    "$version" $classes || fail "the sparse package is not as Windows reads one"
  verify "$build/PofuttoErase.exe" && fail "the unsigned build verifies"
  same_bytes <(unzip -p "$work/signed/out/PofuttoErase-$version.zip" PofuttoErase.exe) "$work/signed/PofuttoErase.exe" ||
    fail "the zip's program is not the signed one"
  osslsigncode remove-signature -in "$work/signed/PofuttoErase.exe" -out "$work/unsigned.exe" >/dev/null 2>&1
  same_bytes "$work/unsigned.exe" "$build/PofuttoErase.exe" || fail "the signed program without its signature differs"
  (cd "$work/signed/out" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not check the signed files"
  osslsigncode verify -CAfile "$keys/cert.pem" -in "$work/signed/PofuttoErase.exe" 2>/dev/null |
    grep -qx $'\tText description: PofuttoErase' || fail "the signature's description is not PofuttoErase"

  # The same key on a token (SoftHSM), as publicly trusted code-signing keys are kept, reached
  # through PKCS#11 with a PIN that only the environment holds: every file signed, and the same
  # bytes as from the file (RSA signs deterministically). The signer is watched: the PIN reaches it
  # on its standard input, never among its arguments.
  if command -v softhsm2-util >/dev/null && module=$(ls /usr/lib/softhsm/libsofthsm2.so 2>/dev/null); then
    mkdir -p "$keys/tokens" "$keys/watch" "$keys/shim"
    printf 'directories.tokendir = %s/tokens\nobjectstore.backend = file\nlog.level = ERROR\n' "$keys" >"$keys/softhsm2.conf"
    export SOFTHSM2_CONF="$keys/softhsm2.conf"
    pin="pin-$RANDOM$RANDOM"
    softhsm2-util --init-token --free --label pe-test --pin "$pin" --so-pin "so-$pin" >/dev/null
    openssl pkcs8 -topk8 -nocrypt -in "$keys/key.pem" -out "$keys/key.p8"
    softhsm2-util --import "$keys/key.p8" --token pe-test --label signer --id 01 --pin "$pin" >/dev/null
    rm -f "$keys/key.p8"
    cat >"$keys/shim/osslsigncode" <<SHIM
#!/usr/bin/env bash
printf '%s\n' "\$*" >>"$keys/watch/arguments"
secret=\$(cat)
printf '%s\n' "\$secret" >>"$keys/watch/input"
printf '%s' "\$secret" | exec "$(command -v osslsigncode)" "\$@"
SHIM
    chmod +x "$keys/shim/osslsigncode"
    (
      unset PE_SIGN_PFX PE_SIGN_PASSWORD
      export PATH="$keys/shim:$PATH" PE_SIGN_PKCS11_MODULE="$module" PE_SIGN_CERT="$keys/cert.pem" PE_SIGN_PIN="$pin"
      export PE_SIGN_KEY="pkcs11:token=pe-test;object=signer;type=private"
      sign_all "$work/token"
    ) || fail "signing with the key on the token failed"
    for file in PofuttoErase.exe PofuttoEraseMenu.dll PofuttoErase.msix PofuttoErase-setup.exe uninstaller.exe; do
      verify "$work/token/$file" || fail "$file signed with the token's key does not verify"
    done
    for file in out/PofuttoErase-$version.zip out/PofuttoErase-$version-setup.exe out/SHA256SUMS PofuttoEraseMenu.dll \
      PofuttoErase.msix; do
      same_bytes "$work/token/$file" "$work/signed/$file" || fail "$file signed again, on the token, differs"
    done
    grep -qF -- "$pin" "$keys/watch/arguments" && fail "the PIN was on the signer's command line"
    [ "$(grep -c -xF -- "$pin" "$keys/watch/input")" -ge 5 ] || fail "the PIN did not reach the signer through its input"
    unset SOFTHSM2_CONF
  else
    fail "softhsm2 is needed to check signing with a key on a token"
  fi

  # A timestamp from an RFC 3161 responder on this machine (openssl ts): the signature verifies,
  # and still does at a time past the certificate's end, when one without a timestamp does not.
  openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -keyout "$keys/tsa.key" -out "$keys/tsa.pem" \
    -subj "/CN=PofuttoErase test TSA" -addext "extendedKeyUsage=critical,timeStamping" 2>/dev/null
  python3 "$root/tests/release/tsa_server.py" "$keys" >"$keys/tsa.port" 2>"$keys/tsa.log" &
  responder=$!
  for _ in $(seq 50); do [ -s "$keys/tsa.port" ] && break; sleep 0.1; done
  cp "$build/PofuttoErase.exe" "$work/timestamped.exe"
  PE_SIGN_TIMESTAMP="http://127.0.0.1:$(cat "$keys/tsa.port")" bash "$root/scripts/sign_file.sh" "$work/timestamped.exe" ||
    fail "signing with a timestamp failed: $(cat "$keys/tsa.log")"
  kill "$responder" 2>/dev/null || true
  past_end=$(($(date +%s) + 3 * 86400))
  stamped() { osslsigncode verify -CAfile "$keys/cert.pem" -TSA-CAfile "$keys/tsa.pem" -in "$work/timestamped.exe" "$@" >/dev/null 2>&1; }
  stamped || fail "the timestamped program does not verify"
  stamped -time "$past_end" || fail "the timestamped program does not verify after its certificate's end"
  osslsigncode verify -CAfile "$keys/cert.pem" -time "$past_end" -in "$work/signed/PofuttoErase.exe" >/dev/null 2>&1 &&
    fail "a signature without a timestamp still verifies after its certificate's end"
else
  fail "osslsigncode, openssl, makensis and python3 are needed to check a signed release"
fi
exit $failed
