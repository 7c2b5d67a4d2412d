#!/usr/bin/env bash
# Prints every item of the "Geometrie" menu clicked twice, as a pupil does:
# the first click on an empty worksheet writes the example, the second
# computes with it. docs/geometrie-beispiele.txt is this output:
#   scripts/geometrie-beispiele.sh > docs/geometrie-beispiele.txt
# The first argument names the lumatik-cli to run (default build/cli/lumatik-cli).
set -euo pipefail
LUMATIK_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cli=${1:-$LUMATIK_ROOT/build/cli/lumatik-cli}
sheet=$(mktemp)
trap 'rm -f "$sheet"' EXIT
captions=(
  "Ebene x=p+s*u+t*v" "Ebene ABC" "Ebene ax1+bx2+cx3=d" "Vektor" "Zwei Vektoren"
  "Abstand Punkt Ebene" "Abstand Punkt Gerade" "Gerade Ebene" "zwei Geraden"
  "Gerade-Kugel" "Dreieck" "Kugel durch ABCD"
)
for caption in "${captions[@]}"; do
  echo "=== Geometrie | $caption"
  echo "--- 1. Klick auf ein leeres Blatt:"
  "$cli" worksheet --area 3 --decimal=, --command "$caption" > "$sheet"
  cat "$sheet"
  echo "--- 2. Klick:"
  "$cli" worksheet --area 3 --decimal=, --command "$caption" "$sheet"
  echo
done
