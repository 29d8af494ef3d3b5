#!/usr/bin/env bash
# Floods of real input through X: ten thousand typed keys reach circumcircle's
# ReadKey complete and in order; ten thousand pointer moves during a drag in
# cross_product are seen in order, and the last one is where the point stays.
source "$(dirname "$0")/window_lib.sh"

start_display

# The keys: letters and digits in a fixed shuffle, all on the keyboard map.
alphabet=abcdefghijklmnopqrstuvwxyz0123456789
typed=""
for k in $(seq 0 9999); do typed+=${alphabet:$(((k * 7 + k / 36) % 36)):1}; done

export WINGRAPH_TRACE="$SHOTS/keys.trace"
start_program circumcircle "CERCUL CIRCUMSCRIS TRIUNGHIULUI"
point_at 400 300
xdotool type --delay 0 "$typed"
press_key Escape
for _ in $(seq 600); do kill -0 "$PROGRAM_PID" 2>/dev/null || break; sleep 0.1; done
expect_exit 0

expected=$(printf '%s' "$typed" | od -An -v -tu1 | tr -s ' ' '\n' | sed '/^$/d')
expected+=$'\n27'
read_keys=$(sed -n 's/^ReadKey -> //p' "$WINGRAPH_TRACE")
[ "$(wc -l <<<"$read_keys")" -eq 10001 ] ||
  fail "ReadKey returned $(wc -l <<<"$read_keys") keys, expected 10001"
[ "$read_keys" = "$expected" ] || fail "the keys came out of order"

# The pointer: a path of ten thousand distinct pixels, rows of 500 from the
# top, dragging P1 (the point nearest to the press).
export WINGRAPH_TRACE="$SHOTS/mouse.trace"
start_program cross_product "PRODUS VECTORIAL"
point_at 100 100
xdotool mousedown 1
moves=()
for k in $(seq 0 9999); do
  moves+=(mousemove $((WINDOW_X + 100 + k % 500)) $((WINDOW_Y + 100 + 20 * (k / 500))))
done
xdotool "${moves[@]}"
# A frame or more with the button still down at the end of the path.
sleep 1
xdotool mouseup 1
sleep 0.3
press_key space
expect_exit 0

# Every frame's sample during the drag is a later point of the path than the
# one before, and the last sample is the path's end.
awk '
  /^GetMouseX -> / { x = $3 }
  /^GetMouseY -> / { y = $3 }
  /^GetMouseButtons -> / && $3 == 1 {
    k = (y - 100) / 20 * 500 + (x - 100)
    if (k < last) { bad = "(" x ", " y ") sampled after (" lx ", " ly ")"; exit }
    last = k; lx = x; ly = y; n++
  }
  END {
    if (bad == "" && (x != 599 || y != 480)) bad = "last sample (" x ", " y "), not (599, 480)"
    if (bad != "") { print bad; exit 1 }
    print n " frames sampled during the drag" > "/dev/stderr"
  }
' "$WINGRAPH_TRACE" || fail "the pointer moves came out of order"
# P1 followed the pointer to the end of the path and stayed there: the last
# picture draws vector A to it.
awk '/^ClearDevice$/ { frame = "" } { frame = frame $0 "\n" } END { printf "%s", frame }' \
  "$WINGRAPH_TRACE" | grep -Eq '^(Line|LineTo|MoveTo) (.* )?599 480( |$)' ||
  fail "P1 is not at the last point of the path"
