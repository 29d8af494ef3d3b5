#!/usr/bin/env bash
# The drawing area scaled to the window, aspect kept, with bars: resized and
# maximised, the picture shows each drawing-area pixel where it belongs and
# the pointer reaches exactly the pixel it is over, the last column and row
# and the first ones included (segment_crossing: B follows the left button,
# D the right one).
source "$(dirname "$0")/window_lib.sh"

start_display
start_program segment_crossing "INTERSECTII DE SEGMENTE"
point_at 700 100
await_pixels start 150 350 FFFFFF 236 428 FF0000

# 1100x700: scale 7/6, bars left and right.
resize_window 1100 700
[ "$(viewport_of 1100 700)" = "83 0 933 700" ] || fail "viewport of 1100x700: $(viewport_of 1100 700)"
await_pixels wide 150 350 FFFFFF 236 428 FF0000 228 420 FF0000 325 300 FFFFFF 0 0 000000
# Nothing of the picture on the bars.
expect_plain wide 0 0 83 700 000000
expect_plain wide 1016 0 84 700 000000
drag 1 200 400 799 599

# Maximised: the whole screen's width, bars above and below.
double_click_title
[ "$WINDOW_W" -gt 1100 ] || fail "the maximised window is only ${WINDOW_W}x${WINDOW_H}"
await_pixels maximised 100 300 FFFFFF 799 599 FFFFFF 400 200 FFFFFF 250 400 FFFFFF
read -r vx vy vw vh < <(viewport_of "$WINDOW_W" "$WINDOW_H")
[ "$vx" -eq 0 ] && [ "$vy" -gt 0 ] || fail "maximised to ${WINDOW_W}x${WINDOW_H}: no bars above and below"
expect_plain maximised 0 0 "$WINDOW_W" "$vy" 000000
expect_plain maximised 0 $((vy + vh)) "$WINDOW_W" $((WINDOW_H - vy - vh)) 000000
drag 3 250 400 0 0

double_click_title
resize_window 800 600
headless_picture moved-headless "mouse 200 400 1
wait 2
mouse 799 599 1
wait 2
mouse 799 599 0
mouse 250 400 2
wait 2
mouse 0 0 2
wait 2
mouse 0 0 0
wait 3
snap @moved-headless@
key 32"
await_picture moved moved-headless
# B on the last pixel, D on the first (the headless picture has them exactly there).
expect_pixels moved 799 599 FFFFFF 0 0 FFFFFF
press_key space
expect_exit 0
