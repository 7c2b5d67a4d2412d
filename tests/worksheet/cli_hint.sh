#!/usr/bin/env bash
# cli_hint.sh EXPECTED COMMAND...: runs COMMAND and compares what it writes to
# standard error (the hints) with EXPECTED, in which \n stands for a line
# break; the command must succeed.
expected=$(printf '%b' "$1")
shift
actual=$("$@" 2>&1 >/dev/null) || { echo "command failed"; exit 1; }
if [ "$actual" != "$expected" ]; then
  printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"
  exit 1
fi
