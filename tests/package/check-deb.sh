#!/bin/sh
# Usage: check-deb.sh BUILD_DIR OUT_DIR
# Builds the Debian package, checks what it declares and holds, and runs
# lintian, desktop-file-validate and appstreamcli on it. Exits 77 (skipped)
# when only a validator is missing: ./quickstart test installs them.
set -eu
build=$1 out=$2
rm -rf "$out" && mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/*.deb)
fail() { echo "FAIL: $*"; exit 1; }
app_id=org.vandrelgas.Vandrel
desktop=usr/share/applications/$app_id.desktop
metainfo=usr/share/metainfo/$app_id.metainfo.xml
mime=usr/share/mime/packages/$app_id.xml

info=$(dpkg-deb -I "$deb")
echo "$info" | grep -q '^ Package: vandrel$' || fail "package name"
echo "$info" | grep -q '^ Section: science$' || fail "section"
depends=$(echo "$info" | sed -n 's/^ Depends: //p')
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqcustomplot qt6-translations-l10n; do
    echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
version=$(echo "$info" | sed -n 's/^ Version: //p')

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in usr/bin/vandrel usr/bin/vandrel-sim "$desktop" "$metainfo" "$mime" \
         usr/share/icons/hicolor/16x16/apps/vandrel.png usr/share/icons/hicolor/32x32/apps/vandrel.png \
         usr/share/doc/vandrel/copyright usr/share/doc/vandrel/changelog.gz \
         usr/share/man/man1/vandrel.1.gz usr/share/man/man1/vandrel-sim.1.gz \
         usr/share/vandrel/lessons/en/ideal-gas.vandrel usr/share/vandrel/lessons/ru/ideal-gas.vandrel; do
    echo "$files" | grep -qx "./$f" || fail "missing /$f"
done
dpkg-deb -x "$deb" "$out/root"
root=$out/root
grep -q '^Exec=vandrel %f$' "$root/$desktop" || fail "desktop Exec"
# A double click on a lesson opens it: the desktop entry takes the type the package declares.
lesson_type=$(sed -n 's/.*mime-type type="\([^"]*\)".*/\1/p' "$root/$mime")
grep -q "^MimeType=$lesson_type;$" "$root/$desktop" || fail "desktop MimeType is not $lesson_type"
grep -q '<glob pattern="\*.vandrel"/>' "$root/$mime" || fail "lesson type without *.vandrel"
grep -q '^Exec=vandrel --enlarged$' "$root/$desktop" || fail "desktop enlarged action"
file "$root/usr/share/icons/hicolor/32x32/apps/vandrel.png" | grep -q '32 x 32' || fail "icon size"

# The changelog's and the metadata's newest entries name the packaged version.
zcat "$root/usr/share/doc/vandrel/changelog.gz" | head -n 1 | grep -q "^vandrel ($version) " ||
    fail "changelog does not start at $version"
grep -q "<release version=\"$version\"" "$root/$metainfo" || fail "metainfo lacks release $version"

missing=""
if command -v lintian >/dev/null; then
    # Plain lintian, nothing suppressed: no error and no warning.
    lintian "$deb" >"$out/lintian.log" 2>&1 || true
    grep -E '^[EW]: ' "$out/lintian.log" && fail "lintian"
else
    missing="$missing lintian"
fi
if command -v desktop-file-validate >/dev/null; then
    report=$(desktop-file-validate "$root/$desktop" 2>&1) || fail "desktop-file-validate: $report"
    [ -z "$report" ] || fail "desktop-file-validate: $report"
else
    missing="$missing desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    # The file alone, then the installed tree: the launchable desktop entry is there.
    for check in "validate --no-net $root/$metainfo" "validate-tree --no-net $root"; do
        appstreamcli $check >"$out/appstream.log" 2>&1 ||
            { cat "$out/appstream.log"; fail "appstreamcli $check"; }
        grep -E '^ *[EW]: ' "$out/appstream.log" && fail "appstreamcli $check"
    done
else
    missing="$missing appstreamcli"
fi
if [ -n "$missing" ]; then
    echo "SKIP: not installed:$missing (./quickstart test installs them)"
    exit 77
fi
echo "package ok: $(basename "$deb")"
