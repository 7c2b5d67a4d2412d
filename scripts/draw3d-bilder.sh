#!/usr/bin/env bash
# Draws the 3-D scenes as "Zeichne" does, through lumatik-cli draw3d:
#  - the lines "Beispiele" of the area "3D-Zeichnen" offers, clicked four
#    times on an empty worksheet (each picture one line more), the same
#    scene turned with the graph window's popup menu and as on the screen,
#    and every example line of the "Beispiele" dialog in one scene;
#  - every item of the "Geometrie" menu clicked twice, as in
#    docs/geometrie-beispiele.txt, and its worksheet drawn.
# The pictures go to docs/draw3d/; the worksheets as the drawing leaves them
# (with the points it computed) and its hints are printed:
#   scripts/draw3d-bilder.sh > docs/draw3d/szenen.txt
# Arguments: the lumatik-cli to run (default build/cli/lumatik-cli) and the
# folder for the pictures (default docs/draw3d).
set -euo pipefail
LUMATIK_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
cli=${1:-$LUMATIK_ROOT/build/cli/lumatik-cli}
out=${2:-$LUMATIK_ROOT/docs/draw3d}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Qt wants a runtime folder of its own, or it says so on standard error.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
size=1200x900

# draw NAME SHEET [OPTIONS...]: draws SHEET into NAME.png in $pictures,
# prints the sheet after the drawing and the hint, and leaves the sheet in
# $work/NAME.txt.
pictures=$out
draw() {
  local name=$1 sheet=$2
  shift 2
  echo "=== $name.png"
  "$cli" draw3d --decimal=, --size "$size" "$@" --out "$pictures/$name.png" ${sheet:+"$sheet"} \
    > "$work/$name.txt" 2> "$work/$name.hint"
  cat "$work/$name.txt"
  if [ -s "$work/$name.hint" ]; then
    echo "--- Hinweis:"
    cat "$work/$name.hint"
  fi
  echo
}

echo "##### 3D-Zeichnen | Beispiele (viermal, mit Ok)"
draw beispiel-1 ""
draw beispiel-2 "$work/beispiel-1.txt" --beispiel
draw beispiel-3 "$work/beispiel-2.txt" --beispiel
draw beispiel-4 "$work/beispiel-3.txt" --beispiel
draw beispiel-4-gedreht "$work/beispiel-4.txt" --change "Alpha vergrößern" --change "Alpha vergrößern" \
  --change "Alpha vergrößern" --change "Einheit x-Achse vergrößern" --change "Nach links"
draw beispiel-4-bildschirm "$work/beispiel-4.txt" --screen --standard

echo "##### 3D-Zeichnen | alle Zeilen des Beispiel-Dialogs"
cat > "$work/dialog.txt" <<'LINES'
Punkt S(7 2 3)
PUNKT S(7|2|3)
Strecke A(2|3|6) B(0|6|5,5)
Gerade A(2|3|6) u(-2|3|-1,5)
GERADE A(2|3|6) u(-2|3|-1,5)
DREIECK A(1|0|1) B(11|7|5) C(2|3|2)
Parallelogramm A(5|7|7) B(5|10|7) C(4|8|5)
TETRAEDER A(-1 1 0) B(8 0 0) C(0 6 0) D(0 0 6)
Vektor u=(1/2 1 -1)
LINES
draw dialog-zeilen "$work/dialog.txt"
# A second drawing leaves the computed points as they are (its picture is
# the same and stays out of the folder).
pictures=$work draw dialog-zeilen-nochmal "$work/dialog-zeilen.txt"

echo "##### Geometrie: jedes Beispiel zweimal geklickt, dann \"Zeichne\""
captions=(
  "Ebene x=p+s*u+t*v" "Ebene ABC" "Ebene ax1+bx2+cx3=d" "Vektor" "Zwei Vektoren"
  "Abstand Punkt Ebene" "Abstand Punkt Gerade" "Gerade Ebene" "zwei Geraden"
  "Gerade-Kugel" "Dreieck" "Kugel durch ABCD"
)
for caption in "${captions[@]}"; do
  slug=$(printf '%s' "$caption" | tr 'A-Z' 'a-z' | sed 's/[^a-z0-9]\+/-/g; s/-$//')
  "$cli" worksheet --area 3 --decimal=, --command "$caption" > "$work/example.txt"
  "$cli" worksheet --area 3 --decimal=, --command "$caption" "$work/example.txt" > "$work/solved.txt"
  echo "##### Geometrie | $caption"
  draw "geometrie-$slug" "$work/solved.txt"
done
