#!/usr/bin/env bash
# Builds the Debian package (pernoa_<version>_amd64.deb, in build/),
# checks it with lintian (no error allowed; the warnings are listed) and
# checks that it holds what a desktop needs: the program, the launcher, the
# file type, the icons, the AppStream metadata, the manual page, the
# copyright file and the changelog.
#   scripts/package.sh           set up, build and check
#   scripts/package.sh --no-setup   without installing Debian packages first
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != "--no-setup" ]; then
    bash scripts/setup.sh
fi
build=build
cmake --preset default -DPERNOA_WERROR=ON >/dev/null
rm -f "$build"/pernoa_*.deb
cmake --build --preset default -j "$(nproc)" --target package
deb=$(ls "$build"/pernoa_*_amd64.deb)
echo "built $deb"

fail() {
    echo "FAIL: $*"
    exit 1
}

id=io.github.pernoa.pernoa
contents=$(dpkg-deb -c "$deb")
for file in \
    ./usr/bin/pernoa \
    ./usr/share/applications/$id.desktop \
    ./usr/share/mime/packages/$id.xml \
    ./usr/share/metainfo/$id.metainfo.xml \
    ./usr/share/icons/hicolor/48x48/apps/$id.png \
    ./usr/share/icons/hicolor/256x256/apps/$id.png \
    ./usr/share/icons/hicolor/scalable/apps/$id.svg \
    ./usr/share/man/man1/pernoa.1.gz \
    ./usr/share/doc/pernoa/copyright \
    ./usr/share/doc/pernoa/changelog.gz; do
    grep -q " $file\$" <<<"$contents" || fail "$deb has no $file"
done
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6printsupport6 libqt6svgwidgets6 libcups2; do
    grep -q "$lib" <<<"$depends" || fail "Depends does not name $lib: $depends"
done
# The translation travels inside the program: the packaged program speaks
# English when asked, and Japanese under the C locale.
unpacked=$(mktemp -d /tmp/pernoa-deb.XXXXXX)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
LC_ALL=C.UTF-8 "$unpacked/usr/bin/pernoa" --lang en --help | grep -q '"An error occurred"' ||
    fail "the packaged program speaks no English"
LC_ALL=C.UTF-8 "$unpacked/usr/bin/pernoa" --help | grep -q '"エラーが発生しました"' ||
    fail "the packaged program speaks no Japanese under the C locale"

lintian_out=$(lintian --tag-display-limit 0 --display-info "$deb" 2>&1 | grep -v "root privileges" || true)
echo "lintian:"
echo "${lintian_out:-  (nothing to report)}"
if grep -q '^E: ' <<<"$lintian_out"; then
    fail "lintian reports errors"
fi
echo "ok: $deb ($(du -k "$deb" | cut -f1) kB), Depends: $depends"
