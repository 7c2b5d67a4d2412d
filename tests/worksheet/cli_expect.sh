#!/usr/bin/env bash
# cli_expect.sh EXPECTED COMMAND...: runs COMMAND and compares what it writes
# to standard output with the file EXPECTED, line by line.
expected=$1
shift
actual=$("$@") || { echo "command failed"; exit 1; }
if ! diff <(printf '%s\n' "$actual") "$expected"; then
  echo "output differs from $expected"
  exit 1
fi
