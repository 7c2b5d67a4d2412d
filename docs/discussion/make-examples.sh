#!/usr/bin/env bash
# Writes the worked texts of the nine examples of the plotter's menu
# "Diskussion", as the discussion window shows them, with lumatik-cli.
#
#   docs/discussion/make-examples.sh build/cli/lumatik-cli [DIRECTORY]
#
# Without DIRECTORY the texts go next to this script.
set -euo pipefail
cli=${1:?Aufruf: make-examples.sh LUMATIK-CLI [VERZEICHNIS]}
out=${2:-$(dirname "$0")}

example() {
  local name=$1
  shift
  "$cli" discuss --decimal=, "$@" > "$out/$name.txt"
}

example 1-ganzrationale-funktion --from -5 --to 5 --step 1/5 "2*x^4-20*x^3+70*x^2-100*x+47"
example 2-gebrochen-rational-polstellen --from -5 --to 5 --step 1/5 "1/(x^2 - 2)"
example 3-trigonometrische-funktion --from -5 --to 5 --step 1/5 "-cos(2*x)+2*sin(x)-1/2"
example 4-e-funktion --from -5 --to 5 --step 1/5 "x*exp(2-x)"
example 5-ln-funktion --from -5 --to 5 --step 1/5 "2*ln(x)/x"
example 6-falsche-eingabe --from -5 --to 5 --step 1 "2*x^4-20*x^3+70*x^2-100*x+47"
example 7-unstetige-funktion --from -5 --to 5 --step 1/5 "x/5 - int(x/5) - 1/2"
example 8-quadrat-ohne-vorzeichenwechsel --from -5 --to 5 --step 1/5 "(x-2)^2"
example 9-integral --from -5 --to 5 --step 1/5 --integral "1/3;7/3;500" "-x^4+8/3*x^3-16/9*x^2+24/9*x-7/9"
