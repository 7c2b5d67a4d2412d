#!/usr/bin/env bash
# examples_match_docs.sh LUMATIK-CLI DOCS-DIRECTORY: writes the nine
# examples again and compares them with the texts committed in the docs.
set -euo pipefail
cli=$1
docs=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
"$docs/make-examples.sh" "$cli" "$fresh"
status=0
for expected in "$docs"/*.txt; do
  if ! diff -u "$expected" "$fresh/$(basename "$expected")"; then
    status=1
  fi
done
[ "$(ls "$fresh" | wc -l)" -eq "$(ls "$docs"/*.txt | wc -l)" ] || { echo "number of examples differs"; status=1; }
exit $status
