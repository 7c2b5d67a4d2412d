#!/usr/bin/env bash
# validate_entries.sh BUILD_DIR TOOL: installs into a fresh prefix and runs
# Debian's validator TOOL (desktop-file-validate or appstreamcli) on the
# installed entry; exits 77 (skipped) where the tool is missing.
set -euo pipefail
build=$1
tool=$2
if ! command -v "$tool" >/dev/null; then
  echo "$tool fehlt (Debian: desktop-file-utils bzw. appstream) - übersprungen"
  exit 77
fi
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
case $tool in
  desktop-file-validate) desktop-file-validate "$prefix/share/applications/de.lumatik.lumatik.desktop" ;;
  appstreamcli) appstreamcli validate --no-net --explain "$prefix/share/metainfo/de.lumatik.lumatik.metainfo.xml" ;;
esac
