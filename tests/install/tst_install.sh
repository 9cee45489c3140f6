#!/usr/bin/env bash
# tst_install.sh BUILD_DIR: what a user installs works.
#
# 1. `cmake --install` into a temporary prefix puts both programs in bin/,
#    the shipped data in share/tarvik, the menu entry, icon, vehicle-file
#    type and the manual page where the desktop and man(1) look; the desktop
#    file and the MIME type pass their validators.
# 2. The installed programs start from there: tarvik renders an example
#    vehicle file from share/tarvik offscreen to a PNG, tarvik-cli solves it.
# 3. cpack makes a .deb whose Depends were worked out from the programs'
#    libraries, holding the same files under /usr; when the machine has
#    package lists, apt can satisfy it on a machine with nothing installed.
set -euo pipefail
build=$(cd "${1:?usage: tst_install.sh BUILD_DIR}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

echo "== install into a temporary prefix"
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
  cat "$work/install.log"
  fail "cmake --install"
}
for file in bin/tarvik bin/tarvik-cli share/tarvik/TKTEXT/WARNING.TXT \
  share/tarvik/Readme.doc share/tarvik/TKTEXT/tarvman7.pdf share/tarvik/tkfiles/WORKED.TK \
  share/applications/tarvik.desktop share/icons/hicolor/scalable/apps/tarvik.svg \
  share/mime/packages/tarvik.xml; do
  [ -s "$prefix/$file" ] || fail "$file was not installed"
done
[ -x "$prefix/bin/tarvik" ] && [ -x "$prefix/bin/tarvik-cli" ] || fail "programs not executable"
man=$(ls "$prefix"/share/man/man1/tarvik-cli.1* 2>/dev/null) || fail "no manual page"
zcat -f "$man" | grep -q '^\.TH TARVIK-CLI 1' || fail "manual page has no title line"

desktop-file-validate "$prefix/share/applications/tarvik.desktop" || fail "desktop file"
grep -qx 'MimeType=application/x-tarvik-vehicle;' "$prefix/share/applications/tarvik.desktop" ||
  fail "desktop file does not open vehicle files"
mkdir -p "$work/mime/packages"
cp "$prefix/share/mime/packages/tarvik.xml" "$work/mime/packages/"
update-mime-database "$work/mime" || fail "MIME type rejected"
grep -q 'application/x-tarvik-vehicle:\*\.tk' "$work/mime/globs2" || fail "no *.tk glob"
grep -aq 'QMK-TK\*1\.10' "$work/mime/magic" || fail "no magic line"

echo "== start the installed programs"
example="$prefix/share/tarvik/tkfiles/WORKED.TK"
shot="$work/shot.png"
# Run away from the build tree and without the data-folder override, so only
# the installed share/tarvik can be found.
(cd "$work" && env -u TARVIK_DATA_DIR QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
  timeout 120 "$prefix/bin/tarvik" --config-dir "$work/config" --screenshot "$shot" "$example") ||
  fail "tarvik --screenshot exited with $?"
[ -s "$shot" ] || fail "no screenshot"
[ "$(head -c 8 "$shot" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "screenshot is not a PNG"
"$prefix/bin/tarvik-cli" solve "$example" | grep -q '"roll_center"' || fail "tarvik-cli solve"

echo "== build the Debian package"
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  fail "cpack"
}
deb=$(ls "$work"/package/tarvik_*.deb) || fail "no tarvik_*.deb"
dpkg-deb -I "$deb" >"$work/info"
depends=$(sed -n 's/^ Depends: //p' "$work/info")
[ -n "$depends" ] || fail "package has no Depends"
for lib in libc6 libstdc++6 libqt6core6 libqt6widgets6; do
  [[ "$depends" == *"$lib "* ]] || fail "Depends lacks $lib: $depends"
done
grep -q '^ Package: tarvik$' "$work/info" || fail "package name"
dpkg-deb -c "$deb" >"$work/contents"
for file in usr/bin/tarvik usr/bin/tarvik-cli usr/share/tarvik/tkfiles/WORKED.TK \
  usr/share/applications/tarvik.desktop usr/share/mime/packages/tarvik.xml; do
  grep -q " \./$file\$" "$work/contents" || fail "package lacks /$file"
done

if apt-cache show libqt6core6 >/dev/null 2>&1; then
  empty="$work/empty-status"
  : >"$empty"
  apt-get -s -o Dir::State::status="$empty" install "$deb" >"$work/apt.log" 2>&1 || {
    tail -n 20 "$work/apt.log"
    fail "apt cannot install the package on a fresh machine"
  }
  grep -q '^Inst tarvik ' "$work/apt.log" || fail "apt would not install tarvik"
else
  echo "no package lists on this machine (apt-get update never ran); fresh-install check skipped"
fi
echo "install checks passed"
