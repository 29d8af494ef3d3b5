#!/usr/bin/env bash
# segment_crossing in a real window: caption, start picture with the red
# circle beyond B and D, D dragged with the right button onto the parallel,
# B with the left one, the close box ignored, any key ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
start_program segment_crossing "INTERSECTII DE SEGMENTE"
point_at 700 100
# AB from (100, 300) to (200, 400), CD from (400, 200) to (250, 400); the
# red circle of radius 8 around the crossing of their lines at (228, 428).
await_pixels start 150 350 FFFFFF 325 300 FFFFFF 236 428 FF0000 228 420 FF0000 228 428 000000
headless_picture start-headless "mouse 700 100 0
wait 3
snap @start-headless@
key 32"
await_picture start start-headless

# D at (500, 300) makes CD parallel to AB: no red circle.
drag 3 250 400 500 300
await_pixels parallel 500 300 FFFFFF 250 400 000000
expect_colours parallel FFFFFF
[ -z "$(convert "$SHOTS/parallel.png" -format %c histogram:info: | grep -i '#FF0000')" ] ||
  fail "segment_crossing: a red circle for parallel lines"

# B dragged with the left button to (450, 350): the lines cross again.
drag 1 200 400 450 350
headless_picture drag-headless "mouse 250 400 2
wait 2
mouse 500 300 2
wait 2
mouse 500 300 0
mouse 200 400 1
wait 2
mouse 450 350 1
wait 2
mouse 450 350 0
wait 3
snap @drag-headless@
key 32"
await_picture drag drag-headless
expect_colours drag FF0000

click_close_box
press_key a
expect_exit 0
