#!/usr/bin/env bash
# check_package.sh BUILD_DIR: builds the Debian package with cpack into a
# fresh folder and checks its file list (dpkg-deb -c) and its dependencies
# (dpkg-deb -I), and lets lintian look for errors where it is installed;
# exits 77 (skipped) without cpack or dpkg-deb.
set -euo pipefail
build=$1
for tool in cpack dpkg-deb; do
  command -v $tool >/dev/null || { echo "$tool fehlt - übersprungen"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/lumatik_*.deb)

failed=0
files=$(dpkg-deb -c "$deb")
for path in ./usr/bin/lumatik ./usr/bin/lumatik-cli ./usr/share/applications/de.lumatik.lumatik.desktop \
            ./usr/share/icons/hicolor/scalable/apps/de.lumatik.lumatik.svg \
            ./usr/share/metainfo/de.lumatik.lumatik.metainfo.xml ./usr/share/man/man1/lumatik-cli.1.gz \
            ./usr/share/doc/lumatik/copyright ./usr/share/doc/lumatik/changelog.gz; do
  grep -q " $path\$" <<<"$files" || { echo "nicht im Paket: $path"; failed=1; }
done
# Nothing of the build (tests, static libraries, headers) goes into the package.
if grep -E '\.(a|h)$|_tests?$' <<<"$files"; then failed=1; fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6printsupport6 libqt6gui6 libqt6core6 libqt6dbus6 libqt6svg6 qt6-qpa-plugins \
               libjpeg62-turbo libgmp10 qt6-translations-l10n; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || { echo "fehlt in Depends: $package"; failed=1; }
done
info=$(dpkg-deb -I "$deb")
grep -q '^ Package: lumatik$' <<<"$info" || { echo "dpkg-deb -I: kein Paket lumatik"; failed=1; }
if command -v lintian >/dev/null; then
  findings=$(lintian "$deb" 2>&1 || true)
  if grep '^E: ' <<<"$findings"; then failed=1; fi
fi
exit $failed
