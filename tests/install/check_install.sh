#!/usr/bin/env bash
# check_install.sh BUILD_DIR: installs into a fresh prefix and checks that
# every file a desktop looks for is there and that both programs run from it.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failed=0
expect_file() {
  if [ ! -s "$prefix/$1" ]; then
    echo "fehlt: $1"
    failed=1
  fi
}
expect_file bin/lumatik
expect_file bin/lumatik-cli
expect_file share/applications/de.lumatik.lumatik.desktop
expect_file share/icons/hicolor/scalable/apps/de.lumatik.lumatik.svg
expect_file share/metainfo/de.lumatik.lumatik.metainfo.xml
expect_file share/man/man1/lumatik-cli.1.gz
expect_file share/man/man1/lumatik.1.gz
expect_file share/doc/lumatik/README.md
expect_file share/doc/lumatik/docs/calculator.png
[ -x "$prefix/bin/lumatik" ] && [ -x "$prefix/bin/lumatik-cli" ] || { echo "Programme nicht ausführbar"; failed=1; }

# The menu entry starts the program by the name it is installed under, with
# the icon it brings.
desktop=$prefix/share/applications/de.lumatik.lumatik.desktop
grep -qx 'Exec=lumatik' "$desktop" || { echo "Exec stimmt nicht"; failed=1; }
grep -qx 'Icon=de.lumatik.lumatik' "$desktop" || { echo "Icon stimmt nicht"; failed=1; }
grep -qx 'Categories=Education;Math;Science;' "$desktop" || { echo "Categories stimmt nicht"; failed=1; }

# Each screenshot of the metainfo is a picture of docs/.
metainfo=$prefix/share/metainfo/de.lumatik.lumatik.metainfo.xml
source_docs=$(dirname "$0")/../../docs
for picture in $(sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$metainfo"); do
  [ -f "$source_docs/$picture" ] || { echo "Bild fehlt in docs/: $picture"; failed=1; }
done

version=$(sed -n 's|.*<release version="\([^"]*\)".*|\1|p' "$metainfo")
[ "$("$prefix/bin/lumatik-cli" --version)" = "lumatik-cli $version" ] || { echo "lumatik-cli --version"; failed=1; }
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/lumatik" --version)" = "lumatik $version" ] ||
  { echo "lumatik --version"; failed=1; }
result=$("$prefix/bin/lumatik-cli" calc --decimal=, 1+1)
[ "$result" = "1+1 = 2" ] || { echo "lumatik-cli calc 1+1 ergab: $result"; failed=1; }

for page in lumatik lumatik-cli; do
  gzip -t "$prefix/share/man/man1/$page.1.gz" || failed=1
  if command -v groff >/dev/null; then
    warnings=$(zcat "$prefix/share/man/man1/$page.1.gz" | groff -k -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || { echo "$page.1: $warnings"; failed=1; }
  fi
done
exit $failed
