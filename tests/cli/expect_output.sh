#!/usr/bin/env bash
# expect_output.sh EXPECTED COMMAND...: runs COMMAND and compares its standard
# output with EXPECTED, in which \n stands for a line break.
expected=$(printf '%b' "$1")
shift
actual=$("$@")
if [ "$actual" != "$expected" ]; then
  printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"
  exit 1
fi
