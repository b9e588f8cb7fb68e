#!/bin/bash
# Builds the Debian package as `make package` does, into a temporary folder, and checks it: lintian
# finds no error, dpkg-shlibdeps gave it the Qt libraries it links, and it holds the programs and
# the desktop's files.
#
# usage: check-package.sh BUILD_DIR
set -u
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; echo "FAILED: cpack"; exit 1; }
deb=$(ls "$out"/bootcanvas_*.deb)
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6network6 libjpeg62-turbo libzip4 qt6-qpa-plugins qt6-image-formats-plugins; do
    [[ $depends == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/bootcanvas ./usr/bin/bootcanvas-cli ./usr/share/man/man1/bootcanvas.1.gz \
    ./usr/share/metainfo/org.example.bootcanvas.metainfo.xml ./usr/share/doc/bootcanvas/copyright; do
    grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
errors=$(lintian --fail-on error "$deb" 2>/dev/null) || fail "lintian: $errors"

echo "$failures failed"
[ "$failures" = 0 ]
