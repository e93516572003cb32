#!/usr/bin/env bash
# Signs Windows files in place with osslsigncode (Authenticode, SHA-256) and
# verifies each signature, when a certificate is given; without one it does
# nothing, so unsigned builds need no set-up:
#   VX_SIGN_CERT      the certificate (PEM, or a PKCS#12 .pfx/.p12 with its key)
#   VX_SIGN_KEY       the private key (PEM; not with a .pfx)
#   VX_SIGN_PASSWORD  the key's or the .pfx's password (optional)
#   VX_SIGN_CAFILE    the certificates the signature is verified against
#                     (default: VX_SIGN_CERT itself, for a self-signed one)
#   VX_SIGN_TIMESTAMP an RFC 3161 time-stamp server (optional)
# Usage: packaging/sign.sh FILE...   (the release build calls it for the
# programs, the installer and the uninstaller the installer writes)
set -euo pipefail
[ -n "${VX_SIGN_CERT:-}" ] || exit 0
command -v osslsigncode >/dev/null || { echo "sign.sh: osslsigncode is missing (Debian package osslsigncode)" >&2; exit 1; }

args=(-h sha256 -n "VX230 Gaming Mouse Driver")
case "$VX_SIGN_CERT" in
  *.pfx | *.p12) args+=(-pkcs12 "$VX_SIGN_CERT") ;;
  *) args+=(-certs "$VX_SIGN_CERT" -key "${VX_SIGN_KEY:?VX_SIGN_KEY: the private key of VX_SIGN_CERT}") ;;
esac
[ -z "${VX_SIGN_PASSWORD:-}" ] || args+=(-pass "$VX_SIGN_PASSWORD")
[ -z "${VX_SIGN_TIMESTAMP:-}" ] || args+=(-ts "$VX_SIGN_TIMESTAMP")
ca=${VX_SIGN_CAFILE:-$VX_SIGN_CERT}

for file in "$@"; do
  signed="$file.signing"
  rm -f "$signed"
  if ! osslsigncode sign "${args[@]}" -in "$file" -out "$signed" >"$signed.log" 2>&1; then
    cat "$signed.log" >&2
    rm -f "$signed" "$signed.log"
    echo "sign.sh: signing $file failed" >&2
    exit 1
  fi
  mv -f "$signed" "$file"
  rm -f "$signed.log"
  if ! osslsigncode verify -CAfile "$ca" -in "$file" >"$file.verify.log" 2>&1; then
    cat "$file.verify.log" >&2
    rm -f "$file.verify.log"
    echo "sign.sh: the signature of $file does not verify" >&2
    exit 1
  fi
  rm -f "$file.verify.log"
  echo "signed and verified: $file"
done
