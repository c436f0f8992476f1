#!/bin/sh
# Usage: check-deb.sh BUILD_DIR OUT_DIR
set -eu
build=$1 out=$2
rm -rf "$out" && mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
fail() { echo "FAIL: $*"; exit 1; }

info=$(dpkg-deb -I "$deb")
echo "$info" | grep -q '^ Package: vandrel$' || fail "package name"
echo "$info" | grep -q '^ Section: science$' || fail "section"
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqcustomplot; do
    echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/vandrel ./usr/bin/vandrel-sim ./usr/share/applications/vandrel.desktop \
         ./usr/share/icons/hicolor/16x16/apps/vandrel.png ./usr/share/icons/hicolor/32x32/apps/vandrel.png; do
    echo "$files" | grep -qx "$f" || fail "missing $f"
done
dpkg-deb -x "$deb" "$out/root"
grep -q '^Exec=vandrel$' "$out/root/usr/share/applications/vandrel.desktop" || fail "desktop Exec"
file "$out/root/usr/share/icons/hicolor/32x32/apps/vandrel.png" | grep -q '32 x 32' || fail "icon size"
echo "package ok: $(basename "$deb")"
