#!/usr/bin/env bash
# The release step signs with a certificate given in the environment: with a
# throwaway self-signed certificate made here, the program, the installer
# and the uninstaller the installer writes carry Authenticode signatures
# that `osslsigncode verify` accepts against that certificate; a byte
# changed in a signed file fails the check, and the ordinary build (no
# certificate) is unsigned.
source "$(dirname "$0")/lib.sh"
e2e_begin signing dist
command -v osslsigncode >/dev/null || { e2e_fail "osslsigncode is missing (scripts/install-deps.sh)"; e2e_finish; }
makensis=$(command -v makensis) || { e2e_fail "makensis is missing"; e2e_finish; }
version=$(sed -nE 's/^project\(ZUV_GMouse VERSION ([0-9.]+).*/\1/p' "$E2E_ROOT/CMakeLists.txt")
keys=$E2E_DIR/keys
mkdir -p "$keys"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=VX230 test signer" \
  -addext "extendedKeyUsage=codeSigning" -keyout "$keys/key.pem" -out "$keys/cert.pem" >/dev/null 2>&1 ||
  { e2e_fail "no test certificate"; e2e_finish; }

verify() { osslsigncode verify -CAfile "$keys/cert.pem" -in "$1" >"$E2E_DIR/verify.log" 2>&1; }

out=$E2E_DIR/release
if ! VX_SIGN_CERT=$keys/cert.pem VX_SIGN_KEY=$keys/key.pem cmake -DSOURCE_DIR="$E2E_ROOT" \
  -DPROGRAMS="$E2E_WIN_BUILD/dist/$E2E_EXE" -DSTAGE_DIR="$out/ZUV_GMouse-$version" -DVERSION="$version" \
  -DPUBLISHER="the VX230 companion program authors" -DCOPYRIGHT="Copyright (c) 2026 the VX230 companion program authors" \
  -DZIP="$out/ZUV_GMouse-$version-win64.zip" -DMAKENSIS="$makensis" -DINSTALLER="$out/ZUV_GMouse-$version-setup.exe" \
  -P "$E2E_ROOT/cmake/stage_release.cmake" >"$E2E_DIR/release.log" 2>&1; then
  e2e_fail "the signed release step failed: $(tail -5 "$E2E_DIR/release.log")"
  e2e_finish
fi
e2e_expect "the program in the release tree is signed" verify "$out/ZUV_GMouse-$version/$E2E_EXE"
e2e_expect "the installer is signed" verify "$out/ZUV_GMouse-$version-setup.exe"
e2e_expect "the signer is the given certificate" grep -q 'VX230 test signer' "$E2E_DIR/verify.log"
python3 -c 'import sys, zipfile; sys.stdout.buffer.write(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]))' \
  "$out/ZUV_GMouse-$version-win64.zip" "ZUV_GMouse-$version/$E2E_EXE" >"$E2E_DIR/zipped.exe"
e2e_expect "the zip holds the signed program" verify "$E2E_DIR/zipped.exe"

cp "$out/ZUV_GMouse-$version/$E2E_EXE" "$E2E_DIR/changed.exe"
printf '\x55' | dd of="$E2E_DIR/changed.exe" bs=1 seek=4096 conv=notrunc 2>/dev/null
e2e_expect "a byte changed in a signed program fails the check" eval '! verify "$E2E_DIR/changed.exe"'
e2e_expect "the ordinary build's installer is unsigned" \
  eval '! verify "$E2E_WIN_BUILD/release/ZUV_GMouse-$version-setup.exe"'

# The uninstaller exists only once the installer has run.
e2e_fresh_prefix
e2e_run_setup "$out/ZUV_GMouse-$version-setup.exe" /S /NOAUTOSTART
inst=$(e2e_windows_folder LOCALAPPDATA)/Programs/VX230
if [ -f "$inst/Uninstall.exe" ]; then
  e2e_expect "the uninstaller the installer wrote is signed" verify "$inst/Uninstall.exe"
  e2e_expect "the installed program is signed" verify "$inst/$E2E_EXE"
else
  e2e_fail "the signed installer did not install"
fi
e2e_drop_fresh_prefix
e2e_finish
