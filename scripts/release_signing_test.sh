#!/usr/bin/env bash
# The release's signing path, on the Windows programs already built and tested in
# build-windows/ (./test.sh --all runs it after scripts/release.sh): a throwaway self-signed
# code-signing certificate and a throwaway OpenPGP key, made here in a folder of their own and
# forgotten afterwards, sign a release into that folder; then the programs in the archive and
# the sums are checked the way an operator would check them. dist/ is not touched.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "release_signing_test.sh: $*" >&2
  exit 1
}

work=$(mktemp -d)
export GNUPGHOME=$work/gnupg
cleanup() {
  gpgconf --kill gpg-agent 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 0700 "$GNUPGHOME"

openssl req -x509 -newkey rsa:3072 -nodes -days 7 -subj "/CN=Plessard release test" \
  -addext keyUsage=critical,digitalSignature -addext extendedKeyUsage=codeSigning \
  -keyout "$work/key.pem" -out "$work/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" \
  -out "$work/signing.p12" -passout pass:throwaway
key=release-test@plessard.example
gpg --batch --quiet --pinentry-mode loopback --passphrase '' \
  --quick-gen-key "Plessard release test <$key>" ed25519 sign 1d

PLESSARD_REUSE_WINDOWS_BUILD=1 PLESSARD_DIST=$work/dist PLESSARD_SIGN_PKCS12=$work/signing.p12 \
  PLESSARD_SIGN_PASSWORD=throwaway PLESSARD_GPG_KEY=$key scripts/release.sh

echo "== the signed release, checked"
# Signed at the commit's time, not the clock's: one certificate gives one archive.
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
signed_at="Signing time: $(date -u -d "@$epoch" '+%b %e %H:%M:%S %Y') GMT"
cd "$work/dist"
gpg --batch --verify SHA256SUMS.asc SHA256SUMS || fail "gpg does not verify SHA256SUMS.asc"
sha256sum --strict -c SHA256SUMS || fail "the sums in SHA256SUMS do not match"
[ "$(cut -d' ' -f3 SHA256SUMS | sort)" = "$(find . -maxdepth 1 -type f ! -name 'SHA256SUMS*' -printf '%f\n' | sort)" ] ||
  fail "SHA256SUMS does not list exactly the files of the release"
unzip -q ./*.zip -d unpacked
for program in plessard-macro-io.exe plessard-macro.exe; do
  said=$(osslsigncode verify -CAfile "$work/certificate.pem" -in "unpacked/$program") ||
    fail "osslsigncode does not verify $program"
  grep -qF "$signed_at" <<<"$said" || fail "$program is not signed at the commit's time"
done
echo "The signed release verifies: both programs (osslsigncode verify), SHA256SUMS.asc" \
  "(gpg --verify), the sums (sha256sum -c)"
