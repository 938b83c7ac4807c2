#!/bin/bash
# Installs the built program into a temporary prefix, as `cmake --install`
# does for a desktop, and checks what a desktop reads: the launcher with
# desktop-file-validate, the AppStream metadata with appstreamcli, the file
# type by building a MIME database from it, and the icons.
#
# Usage: install_test.sh BUILD_DIR

set -u
build=$1
fail() {
    echo "FAIL: $*"
    exit 1
}
for tool in desktop-file-validate appstreamcli update-mime-database; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

prefix=$(mktemp -d /tmp/pernoa-install.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

id=io.github.pernoa.pernoa
share=$prefix/share
[ -x "$prefix/bin/pernoa" ] || fail "no executable in bin/"

desktop=$share/applications/$id.desktop
[ -f "$desktop" ] || fail "no launcher"
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"
grep -qx 'Exec=pernoa %f' "$desktop" || fail "launcher does not run 'pernoa %f'"
grep -qx 'Name\[ja\]=ペルノア' "$desktop" || fail "launcher has no Japanese name"
grep -qx "Icon=$id" "$desktop" || fail "launcher names another icon"

out=$(appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli validate: $out"

# The file type: *.kvs2 gets its own type, which the launcher opens.
update-mime-database "$share/mime" >/dev/null 2>&1 || fail "update-mime-database failed"
grep -q '^application/x-pernoa-settings:\*\.kvs2$' "$share/mime/globs" ||
    fail "*.kvs2 is not given its own type"
grep -q '^MimeType=application/x-pernoa-settings;$' "$desktop" ||
    fail "the launcher does not open the settings file type"

for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no ${size}px icon"
    # Width and height from the PNG header.
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$dims" = "${size}x${size}" ] || fail "the ${size}px icon is $dims"
done
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
echo "ok: installed and validated"
