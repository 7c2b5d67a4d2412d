#!/usr/bin/env bash
# The desktop ends lumatik with a signal (logout: SIGTERM; a terminal: SIGINT,
# SIGHUP): the program writes its settings files and ends normally.
#   signal_saves.sh <lumatik>
set -u
program="$1"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp "$program" "$folder/lumatik"
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$folder/config"
failed=0
for signal in TERM INT HUP; do
  # Written with CR LF, as an old version left them; lumatik writes LF.
  printf 'a=1/3 b=-3\r\n' >"$folder/lumatik.in2"
  printf '2+3 = 5\r\n' >"$folder/lumatik.in3"
  printf 'sin(x)\r\n' >"$folder/lumatik.in1"
  "$folder/lumatik" &
  pid=$!
  # The handlers are in place once the process catches SIGTERM (bit 15).
  for _ in $(seq 200); do
    caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
    [ -n "$caught" ] && (( 0x$caught & 0x4000 )) && break
    sleep 0.05
  done
  kill -"$signal" "$pid"
  wait "$pid"
  status=$?
  if [ "$status" -ne 0 ]; then
    echo "SIG$signal: exit status $status" >&2
    failed=1
  fi
  for file in lumatik.in1 lumatik.in2 lumatik.in3; do
    if grep -q $'\r' "$folder/$file" || [ ! -s "$folder/$file" ]; then
      echo "SIG$signal: $file not written: $(od -c "$folder/$file" | head -2)" >&2
      failed=1
    fi
  done
  grep -qx 'a=1/3 b=-3' "$folder/lumatik.in2" || { echo "SIG$signal: parameters lost" >&2; failed=1; }
  grep -qx '2+3 = 5' "$folder/lumatik.in3" || { echo "SIG$signal: history lost" >&2; failed=1; }
done
exit "$failed"
