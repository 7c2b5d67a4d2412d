#!/usr/bin/env bash
# expect_refusal.sh CODE HINT COMMAND...: COMMAND must end with exit code
# CODE, print nothing on standard output and HINT on standard error.
code=$1
hint=$2
shift 2
out=$("$@" 2>/tmp/lumatik-refusal-$$)
actual=$?
err=$(cat /tmp/lumatik-refusal-$$)
rm -f /tmp/lumatik-refusal-$$
if [ "$actual" != "$code" ] || [ -n "$out" ] || [ "$err" != "$hint" ]; then
  printf 'exit %s (expected %s)\nstdout: %s\nstderr: %s\nexpected: %s\n' "$actual" "$code" "$out" "$err" "$hint"
  exit 1
fi
