#!/usr/bin/env bash
# The release: what users download, made and checked.
#   scripts/release.sh
# 1. Builds and tests the Windows programs (scripts/windows.sh: the cross build in
#    build-windows/ and every test under wine).
# 2. Packs dist/plessard-macro-VERSION-windows-x64.zip: both executables at the top, README.txt
#    for the operator and NOTICES.txt, the licences of what is compiled into them (both CR LF),
#    plessard-macro-VERSION.spdx.json, their bill of materials (SPDX 2.3), sample\vb_input.txt
#    in a folder of its own (unpacking into the host's folder never replaces the host's file)
#    and SHA256SUMS for the other files. The notices and the bill of materials are made from
#    the build's linker maps and the Debian packages that supplied what went in
#    (packaging/third_party.py).
#    Reproducible: every time in the archive is the commit's (SOURCE_DATE_EPOCH), files go in
#    a fixed order with fixed permissions, and the build puts neither a link time nor a path
#    into the executables, so clean clones of one commit give the same archive.
# 3. Checks that archive: its layout, unpacked into a folder with a non-ASCII name; the sums;
#    the bill of materials against the files; one version everywhere (the archive's name,
#    --version, both version resources, README.txt, CHANGELOG.md); the icon in both
#    executables; the tool writing and checking a file, run from the unpacked folder under
#    wine; both programs the very bytes that the tests of step 1 ran on (less a signature).
# 4. Builds dist/plessard-macro_VERSION_amd64.deb of the command-line tool (build-deb/, cpack,
#    Debian's hardening flags; the tool is compiled at the lowest priority beside step 1) and
#    checks it: lintian finds no error and no warning,
#    hardening-check passes, the bash completion completes commands and options.
# 5. Writes dist/SHA256SUMS, the sums of the files it wrote to dist/.
# Signing, when it is given what to sign with (nothing else changes without these):
#   PLESSARD_SIGN_PKCS12, PLESSARD_SIGN_PASSWORD  a certificate and key (PKCS#12) and its
#       password: both programs get an Authenticode signature (SHA-256) before they are packed
#       and summed, dated at the commit, so one certificate always gives the same archive;
#   PLESSARD_SIGN_TIMESTAMP_URL  a timestamp server (RFC 3161) to countersign with (the archive
#       then differs from run to run);
#   PLESSARD_GPG_KEY  a key of the caller's GnuPG keyring: dist/SHA256SUMS.asc, a detached
#       armoured signature of dist/SHA256SUMS.
# For tests and for work on the packing only, never for a release:
#   PLESSARD_REUSE_WINDOWS_BUILD=1  takes build-windows/ as it is instead of building it again;
#   PLESSARD_DIST=FOLDER  writes into FOLDER instead of dist/.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

fail() {
  echo "release.sh: $*" >&2
  exit 1
}

scripts/install_packages.sh --only zip unzip icoutils python3 lintian dpkg-dev fakeroot file \
  cmake ninja-build g++ libcli11-dev devscripts bash-completion osslsigncode openssl gnupg \
  node-spdx-license-ids node-spdx-exceptions

if [ -n "${PLESSARD_SIGN_PKCS12:-}" ] && [ -z "${PLESSARD_SIGN_PASSWORD+set}" ]; then
  fail "PLESSARD_SIGN_PKCS12 is set, PLESSARD_SIGN_PASSWORD is not"
fi
# Every time in what is made is the commit's, not the clock's.
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}

work=$(mktemp -d)
wineserver=
deb_builder=
cleanup() {
  if [ -n "$deb_builder" ]; then
    kill "$deb_builder" 2>/dev/null || true
    wait "$deb_builder" 2>/dev/null || true
  fi
  if [ -n "$wineserver" ]; then
    "$wineserver" -k >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# The tool for the Debian package is built meanwhile, at the lowest priority: it takes what the
# Windows build leaves of the processors, which is much while wine runs the tests.
# shellcheck source=werror.sh
. scripts/werror.sh
deb_build=$root/build-deb
# Debian's own build flags with every hardening feature (bind-now included) and stack clash
# protection, and paths of this machine mapped away. Given on the command line, not through
# the environment, which a configured folder would no longer look at.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_APPEND=-fstack-clash-protection
(
  export TZ=UTC LC_ALL=C.UTF-8
  cmake -S . -B "$deb_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLESSARD_WERROR="$werror" \
    -DPLESSARD_BUILD_APP=OFF -DPLESSARD_BUILD_TESTS=OFF -DPLESSARD_BUILD_BENCH=OFF \
    -DPLESSARD_DEB_PACKAGE=ON \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" &&
    nice -n 19 cmake --build "$deb_build"
) >"$work/deb-build.log" 2>&1 &
deb_builder=$!

if [ "${PLESSARD_REUSE_WINDOWS_BUILD:-}" = 1 ]; then
  echo "== the Windows programs as they are in build-windows/ (PLESSARD_REUSE_WINDOWS_BUILD=1)"
  [ -f build-windows/plessard-macro.exe ] || fail "build-windows/ holds no build to reuse"
else
  echo "== the Windows programs, built and tested"
  scripts/windows.sh
fi

build=$root/build-windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
export TZ=UTC LC_ALL=C.UTF-8

dist=${PLESSARD_DIST:-$root/dist}
mkdir -p "$dist"
dist=$(realpath "$dist")
# A signature of sums from an earlier run would not match this run's.
rm -f "$dist/SHA256SUMS" "$dist/SHA256SUMS.asc"

echo "== dist/plessard-macro-$version-windows-x64.zip"
# This version's entry of CHANGELOG.md, without its heading.
changes=$(awk -v heading="## [$version]" '
  index($0, heading) == 1 { inside = 1; next }
  inside && /^## \[/ { exit }
  inside { print }' CHANGELOG.md | sed -e '/./,$!d')
[ -n "$changes" ] || fail "CHANGELOG.md has no entry for version $version"

stage=$work/stage
mkdir -p "$stage/sample"
cp "$build/plessard-macro-io.exe" "$build/plessard-macro.exe" "$stage/"
cp examples/vb_input.txt "$stage/sample/vb_input.txt"
if [ -n "${PLESSARD_SIGN_PKCS12:-}" ]; then
  echo "== both programs signed with $PLESSARD_SIGN_PKCS12"
  # The password goes to osslsigncode in a file only this user reads, not on a command line
  # that every user's ps shows.
  (umask 077 && printf '%s' "$PLESSARD_SIGN_PASSWORD" >"$work/password")
  sign=(-pkcs12 "$PLESSARD_SIGN_PKCS12" -readpass "$work/password" -h sha256
    -n "Plessard Macro File IO" -time "$SOURCE_DATE_EPOCH")
  if [ -n "${PLESSARD_SIGN_TIMESTAMP_URL:-}" ]; then
    sign+=(-ts "$PLESSARD_SIGN_TIMESTAMP_URL")
  fi
  for program in plessard-macro-io.exe plessard-macro.exe; do
    osslsigncode sign "${sign[@]}" -in "$stage/$program" -out "$work/$program" >/dev/null ||
      fail "osslsigncode could not sign $program"
    mv "$work/$program" "$stage/$program"
  done
  # The signatures are checked against the certificate they were made with (and the system's
  # authorities, which a real certificate's chain ends in).
  openssl pkcs12 -in "$PLESSARD_SIGN_PKCS12" -nokeys -passin "file:$work/password" \
    -out "$work/signer.pem" 2>/dev/null || fail "cannot read the certificate of $PLESSARD_SIGN_PKCS12"
  cat /etc/ssl/certs/ca-certificates.crt >>"$work/signer.pem" 2>/dev/null || true
fi
sbom=plessard-macro-$version.spdx.json
python3 packaging/third_party.py notices "$build" "$stage/NOTICES.txt" ||
  fail "no notices for what the programs contain"
python3 packaging/third_party.py spdx "$build" "$stage" "$version" "$stage/$sbom" ||
  fail "no bill of materials"
CHANGES=$changes VERSION=$version python3 - packaging/windows/README.txt.in "$stage/README.txt" <<'PY'
import os, sys
text = open(sys.argv[1], encoding="utf-8").read()
text = text.replace("@VERSION@", os.environ["VERSION"]).replace("@CHANGES@", os.environ["CHANGES"])
open(sys.argv[2], "w", encoding="utf-8", newline="\r\n").write(text)
PY
members=(plessard-macro-io.exe plessard-macro.exe README.txt NOTICES.txt "$sbom" SHA256SUMS
  sample/vb_input.txt)
(cd "$stage" && sha256sum plessard-macro-io.exe plessard-macro.exe README.txt NOTICES.txt \
  "$sbom" sample/vb_input.txt >SHA256SUMS)
chmod 0755 "$stage/sample" "$stage"/*.exe
chmod 0644 "$stage/README.txt" "$stage/NOTICES.txt" "$stage/$sbom" "$stage/SHA256SUMS" \
  "$stage/sample/vb_input.txt"
find "$stage" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
archive=$dist/plessard-macro-$version-windows-x64.zip
rm -f "$archive"
# -X: no owner nor extra times; -D: no entries for folders; the names in this order.
(cd "$stage" && zip -X -D -9 -q "$archive" "${members[@]}")

echo "== check the archive"
listed=$(unzip -Z1 "$archive" | tr '\n' ' ')
[ "$listed" = "${members[*]} " ] || fail "the archive holds: $listed"
unpacked="$work/Prüfung 部品"
mkdir "$unpacked"
unzip -q "$archive" -d "$unpacked"
(cd "$unpacked" && sha256sum --quiet --strict -c SHA256SUMS) || fail "the sums do not match"
for text in README.txt NOTICES.txt; do
  if LC_ALL=C grep -q $'[^\r]$' "$unpacked/$text"; then
    fail "$text has a line that does not end in CR LF"
  fi
done
python3 packaging/third_party.py check-spdx "$unpacked/$sbom" "$unpacked" ||
  fail "the bill of materials does not describe the archive"
if [ -n "${PLESSARD_SIGN_PKCS12:-}" ]; then
  for program in plessard-macro-io.exe plessard-macro.exe; do
    osslsigncode verify -CAfile "$work/signer.pem" -in "$unpacked/$program" >/dev/null ||
      fail "the signature of $program does not verify"
  done
fi

# One version everywhere.
grep -q "^Plessard Macro File IO $version"$'\r'"$" "$unpacked/README.txt" ||
  fail "README.txt does not carry version $version"
grep -qF "$(head -n 1 <<<"$changes")" "$unpacked/README.txt" ||
  fail "README.txt does not carry the changes of $version"
for program in plessard-macro-io plessard-macro; do
  # The version resource's texts, read from the file as Windows keeps them.
  texts=$(wrestool -x --raw --type=version "$unpacked/$program.exe" | python3 -c '
import re, sys
text = sys.stdin.buffer.read().decode("utf-16-le", "replace")
for key in ("FileVersion", "ProductVersion", "ProductName", "FileDescription", "CompanyName"):
    found = re.search(key + "\0+([^\0]*)\0", text)
    print(key + "=" + (found.group(1) if found else "(none)"))')
  expected="FileVersion=$version.0
ProductVersion=$version
ProductName=Plessard Macro File IO"
  [ "$(head -n 3 <<<"$texts")" = "$expected" ] || fail "$program.exe's version resource says
$texts"
  # The icon in the file is the one the build made, every size of it.
  wrestool -x --type=group_icon "$unpacked/$program.exe" >"$work/$program.ico"
  [ "$(icotool -l "$work/$program.ico" | sed 's/--index=[0-9]* //')" = \
    "$(icotool -l "$build/generated/plessard.ico" | sed 's/--index=[0-9]* //')" ] ||
    fail "$program.exe does not carry the program's icon"
done

export WINEPREFIX=$build/wine-prefix
# shellcheck source=../tests/support/wine.sh
. tests/support/wine.sh
find_wine
prepare_wine_prefix
said=$(cd "$unpacked" && "$wine" ./plessard-macro.exe --version | tr -d '\r')
[ "$said" = "plessard-macro $version" ] || fail "plessard-macro.exe --version says: $said"
(cd "$unpacked" && "$wine" ./plessard-macro.exe write --input 'sample\vb_input.txt' \
  --output vb_output.txt) || fail "plessard-macro.exe write failed"
cmp "$unpacked/vb_output.txt" tests/data/default_array.txt ||
  fail "plessard-macro.exe wrote another file than the window would"
(cd "$unpacked" && "$wine" ./plessard-macro.exe check vb_output.txt >/dev/null) ||
  fail "plessard-macro.exe check refused its own file"
"$wineserver" -k >/dev/null 2>&1 || true
# The programs in the archive are the very ones every test ran on (the window end to end
# among them, from a folder with a non-ASCII name), byte for byte once a signature is taken
# off again: running those tests once more from here would prove nothing new.
for program in plessard-macro-io.exe plessard-macro.exe; do
  packed=$unpacked/$program
  if [ -n "${PLESSARD_SIGN_PKCS12:-}" ]; then
    osslsigncode remove-signature -in "$packed" -out "$work/unsigned-$program" >/dev/null ||
      fail "osslsigncode could not take the signature off $program"
    packed=$work/unsigned-$program
  fi
  cmp -s "$packed" "$build/$program" || fail "$program in the archive is not the program tested"
done

echo "== dist/plessard-macro_${version}_amd64.deb"
wait "$deb_builder" || {
  cat "$work/deb-build.log" >&2
  fail "the Debian package's build failed"
}
deb_builder=
package=$dist/plessard-macro_${version}_amd64.deb
rm -f "$package"
(cd "$deb_build" && cpack -G DEB -B "$deb_build/package" >/dev/null)
cp "$deb_build/package/$(basename "$package")" "$package"
dpkg-deb --field "$package" Version | grep -qx "$version" || fail "the package's version is not $version"
lintian --fail-on error,warning --tag-display-limit 0 "$package" ||
  fail "lintian found errors or warnings"
installed=$work/deb
dpkg-deb -x "$package" "$installed"
# Control flow integrity needs every object linked to carry it, Debian 12's C runtime included.
hardening-check --nocfprotection "$installed/usr/bin/plessard-macro" ||
  fail "the tool lacks a hardening feature"
for command in write check svg dxf; do
  zcat "$installed/usr/share/man/man1/plessard-macro.1.gz" | grep -qx "\.SS $command" ||
    fail "the manual page has no section on $command"
done
grep -qx 'Files: CLI/\*' "$installed/usr/share/doc/plessard-macro/copyright" ||
  fail "the package's copyright does not name CLI11"

# What bash completes after the words given, in a folder that holds one file.
mkdir "$work/completion" && touch "$work/completion/vb_output.txt"
completed() {
  (cd "$work/completion" && bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    shift
    COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE}
    _plessard_macro plessard-macro "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
    printf "%s\n" "${COMPREPLY[@]}"' _ \
    "$installed/usr/share/bash-completion/completions/plessard-macro" plessard-macro "$@")
}
[ "$(completed w)" = write ] || fail "bash completes 'plessard-macro w' to: $(completed w)"
[ "$(completed write --d)" = $'--dx\n--dy' ] ||
  fail "bash completes 'plessard-macro write --d' to: $(completed write --d)"
[ "$(completed svg vb_output.txt -o '')" = vb_output.txt ] ||
  fail "bash completes no file name after 'plessard-macro svg vb_output.txt -o'"

echo "== dist/SHA256SUMS"
(cd "$dist" && sha256sum "$(basename "$archive")" "$(basename "$package")" >SHA256SUMS)
if [ -n "${PLESSARD_GPG_KEY:-}" ]; then
  gpg --batch --yes --local-user "$PLESSARD_GPG_KEY" --armor --detach-sign \
    --output "$dist/SHA256SUMS.asc" "$dist/SHA256SUMS" || fail "gpg could not sign SHA256SUMS"
fi

echo "Made: ${archive#"$root"/} ($(stat -c %s "$archive") bytes, SHA-256 $(sha256sum "$archive" | cut -d' ' -f1))"
echo "      ${package#"$root"/} ($(stat -c %s "$package") bytes)"
echo "      ${dist#"$root"/}/SHA256SUMS${PLESSARD_GPG_KEY:+ and SHA256SUMS.asc}"
