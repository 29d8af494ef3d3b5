#!/usr/bin/env bash
# Soak: every frame-loop program runs for a long time headless, without a
# trace, while its resident size is read from /proc at intervals. A program
# passes when it ends normally, says nothing on stderr, and its resident size
# at the end is within 512 kB of the size once its script was loaded.
#
#   scripts/soak.sh            a million frames of normal_line and line_circle,
#                              100000 frames of random mouse input for each
#                              drag-loop program, 10000 keys for each key-step one
#   scripts/soak.sh --short    a tenth of that (what the tests run)
#
# BIN names the folder of the built programs (build/default/bin by default).
set -euo pipefail
cd "$(dirname "$0")/.."
BIN="${BIN:-build/default/bin}"

scale=1
[ "${1:-}" = "--short" ] && scale=10
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

animation_frames=$((1000000 / scale))
drag_frames=$((100000 / scale))
key_cycles=$((10000 / scale))

# Drag-loop frames take two polls (the mouse, then the keyboard): a mouse
# line and a quiet turn each. The pointer wanders and the buttons change
# every few frames, modifiers included.
drag_script() {
  awk -v frames="$1" 'BEGIN {
    srand(8); x = 400; y = 300; b = 0
    split("0 1 1 1 2 3 4 9 17", values, " ")
    for (f = 0; f < frames; f++) {
      x += int(rand() * 61) - 30; y += int(rand() * 61) - 30
      if (x < 0) x = 0; if (x > 799) x = 799; if (y < 0) y = 0; if (y > 599) y = 599
      if (rand() < 0.1) b = values[1 + int(rand() * 9)]
      printf "mouse %d %d %d\nwait 1\n", x, y, b
    }
    print "key 32"
  }'
}

# Key-step cycles: one key each (never Esc), then Esc.
key_script() {
  awk -v cycles="$1" 'BEGIN { for (k = 0; k < cycles; k++) print "key " (32 + k % 90); print "key 27" }'
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status" 2>/dev/null || true; }

failed=0
printf '%-18s %10s %8s %12s %12s %12s  %s\n' program frames seconds "start kB" "end kB" \
  "peak kB" verdict
soak() {
  local program=$1 frames=$2 script=$3
  local started ended start="" end="" peak="" pid status=0 verdict=ok
  started=$(date +%s.%N)
  WINGRAPH_DRIVER=headless WINGRAPH_SCRIPT="$script" WINGRAPH_TRACE="" WINGRAPH_SEED=1 \
    "$BIN/$program" 2>"$work/stderr" &
  pid=$!
  # The start is read once the script has been loaded and the first frames
  # drawn; the end is the last reading before the program exits.
  sleep 0.3
  while kill -0 "$pid" 2>/dev/null; do
    local now
    now=$(rss_kb "$pid")
    if [ -n "$now" ]; then
      [ -z "$start" ] && start=$now
      end=$now
      peak=$(awk '/^VmHWM:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo "$peak")
    fi
    sleep 0.1
  done
  wait "$pid" || status=$?
  ended=$(date +%s.%N)
  if [ "$status" -ne 0 ] || [ -s "$work/stderr" ]; then
    verdict="FAILED: exit status $status $(head -c 200 "$work/stderr")"
  elif [ -z "$start" ]; then
    verdict="ended before a reading"
  elif [ $((end - start)) -gt 512 ]; then
    verdict="GREW by $((end - start)) kB"
  fi
  [ "$verdict" = ok ] || [ "$verdict" = "ended before a reading" ] || failed=1
  printf '%-18s %10d %8.1f %12s %12s %12s  %s\n' "$program" "$frames" \
    "$(awk -v a="$started" -v b="$ended" 'BEGIN { print b - a }')" "${start:--}" "${end:--}" "${peak:--}" "$verdict"
}

printf 'wait %d\nkey 32\n' "$animation_frames" >"$work/animation.txt"
for program in normal_line line_circle; do
  soak "$program" "$animation_frames" "$work/animation.txt"
done
drag_script "$drag_frames" >"$work/drag.txt"
for program in cross_product vector_angle segment_crossing segment_distance; do
  soak "$program" "$drag_frames" "$work/drag.txt"
done
key_script "$key_cycles" >"$work/keys.txt"
for program in circumcircle intersections point_in_polygon; do
  soak "$program" "$key_cycles" "$work/keys.txt"
done
exit $failed
