#!/usr/bin/env bash
# cli_roundtrip.sh CLI AREA FIRST SECOND EXPECTATIONS: runs the worksheet
# command FIRST on an empty worksheet, then SECOND on what FIRST printed.
# Each line of the file EXPECTATIONS names a line that must be there:
#   "1= text"  a whole line of FIRST's output
#   "= text"   a whole line of SECOND's output
#   "^ text"   a line of SECOND's output that begins with text
set -u
cli=$1 area=$2 first=$3 second=$4 expectations=$5
sheet=$(mktemp)
trap 'rm -f "$sheet"' EXIT
"$cli" worksheet --area "$area" --decimal=, --command "$first" > "$sheet" || { echo "\"$first\" failed"; exit 1; }
solved=$("$cli" worksheet --area "$area" --decimal=, --command "$second" "$sheet") || { echo "\"$second\" failed"; exit 1; }
status=0
while IFS= read -r expectation; do
  mode=${expectation%% *}
  text=${expectation#* }
  case $mode in
    1=) grep -qxF -- "$text" "$sheet" || { echo "missing in \"$first\": $text"; status=1; } ;;
    =) grep -qxF -- "$text" <<< "$solved" || { echo "missing in \"$second\": $text"; status=1; } ;;
    ^) grep -q "^$(printf '%s' "$text" | sed 's/[][\.*^$/]/\\&/g')" <<< "$solved" ||
         { echo "no line in \"$second\" begins with: $text"; status=1; } ;;
    *) [ -z "$expectation" ] || { echo "bad expectation: $expectation"; status=1; } ;;
  esac
done < "$expectations"
if [ $status -ne 0 ]; then
  printf '%s output:\n' "$first"; cat "$sheet"
  printf '%s output:\n%s\n' "$second" "$solved"
fi
exit $status
