#!/usr/bin/env bash
# The release: what users download, made and checked.
#   scripts/release.sh
# 1. Builds and tests the Windows programs (scripts/windows.sh: the cross build in
#    build-windows/ and every test under wine).
# 2. Packs dist/plessard-macro-VERSION-windows-x64.zip: both executables at the top, README.txt
#    for the operator (CR LF), sample\vb_input.txt in a folder of its own (unpacking into the
#    host's folder never replaces the host's file) and SHA256SUMS for the other files.
#    Reproducible: every time in the archive is the commit's (SOURCE_DATE_EPOCH), files go in
#    a fixed order with fixed permissions, and the build puts neither a link time nor a path
#    into the executables, so clean clones of one commit give the same archive.
# 3. Checks that archive: its layout, unpacked into a folder with a non-ASCII name; the sums;
#    one version everywhere (the archive's name, --version, both version resources, README.txt,
#    CHANGELOG.md); the icon in both executables; the tool writing and checking a file and the
#    window's end-to-end test, both run from the unpacked folder under wine.
# 4. Builds dist/plessard-macro_VERSION_amd64.deb of the command-line tool (build-deb/, cpack)
#    and has lintian look at it: any error fails the release.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

fail() {
  echo "release.sh: $*" >&2
  exit 1
}

scripts/install_packages.sh --only zip unzip icoutils python3 help2man lintian dpkg-dev fakeroot \
  file cmake ninja-build g++ libcli11-dev

echo "== the Windows programs, built and tested"
scripts/windows.sh

build=$root/build-windows
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"
# Every time in what is made is the commit's, not the clock's.
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export TZ=UTC LC_ALL=C.UTF-8

dist=$root/dist
mkdir -p "$dist"
work=$(mktemp -d)
wineserver=
cleanup() {
  if [ -n "$wineserver" ]; then
    "$wineserver" -k >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

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
CHANGES=$changes VERSION=$version python3 - packaging/windows/README.txt.in "$stage/README.txt" <<'PY'
import os, sys
text = open(sys.argv[1], encoding="utf-8").read()
text = text.replace("@VERSION@", os.environ["VERSION"]).replace("@CHANGES@", os.environ["CHANGES"])
open(sys.argv[2], "w", encoding="utf-8", newline="\r\n").write(text)
PY
members=(plessard-macro-io.exe plessard-macro.exe README.txt SHA256SUMS sample/vb_input.txt)
(cd "$stage" && sha256sum plessard-macro-io.exe plessard-macro.exe README.txt sample/vb_input.txt \
  >SHA256SUMS)
chmod 0755 "$stage/sample" "$stage"/*.exe
chmod 0644 "$stage/README.txt" "$stage/SHA256SUMS" "$stage/sample/vb_input.txt"
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
if LC_ALL=C grep -q $'[^\r]$' "$unpacked/README.txt"; then
  fail "README.txt has a line that does not end in CR LF"
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
echo "== the window end to end, from the archive"
tests/win32/with_wine_display.sh "$build/wine-display/release" tests/e2e/win32_window_e2e.sh \
  "$unpacked/plessard-macro-io.exe" "$build/window_probe.exe" "$build/control_centres.exe" \
  tests/data/default_array.txt

echo "== dist/plessard-macro_${version}_amd64.deb"
# shellcheck source=werror.sh
. scripts/werror.sh
deb_build=$root/build-deb
# Debian's own build flags: hardening, and paths of this machine mapped away.
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS) CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) \
$(dpkg-buildflags --get CPPFLAGS)" LDFLAGS=$(dpkg-buildflags --get LDFLAGS) \
  cmake -S . -B "$deb_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPLESSARD_WERROR="$werror" \
  -DPLESSARD_BUILD_APP=OFF -DPLESSARD_BUILD_TESTS=OFF -DPLESSARD_BUILD_BENCH=OFF \
  -DPLESSARD_DEB_PACKAGE=ON >/dev/null
cmake --build "$deb_build"
package=$dist/plessard-macro_${version}_amd64.deb
rm -f "$package"
(cd "$deb_build" && cpack -G DEB -B "$deb_build/package" >/dev/null)
cp "$deb_build/package/$(basename "$package")" "$package"
dpkg-deb --field "$package" Version | grep -qx "$version" || fail "the package's version is not $version"
lintian --fail-on error --tag-display-limit 0 "$package" || fail "lintian found errors"

echo "Made: ${archive#"$root"/} ($(stat -c %s "$archive") bytes, SHA-256 $(sha256sum "$archive" | cut -d' ' -f1))"
echo "      ${package#"$root"/} ($(stat -c %s "$package") bytes)"
