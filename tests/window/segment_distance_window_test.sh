#!/usr/bin/env bash
# segment_distance in a real window: caption, start picture with the nearest
# points marked, S2.P1 dragged with the left button until the segments cross,
# S1.P2 with the middle one, the close box ignored, any key ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
start_program segment_distance "CEA MAI MICA DISTANTA DINTRE SEGMENTE"
point_at 700 550
# Light green circle of radius 10 around S1.P1 (300, 450), light blue around
# S2.P2 (550, 350).
await_pixels start 310 450 90EE90 300 440 90EE90 560 350 ADD8E6 550 340 ADD8E6 250 375 FFFFFF
headless_picture start-headless "mouse 700 550 0
wait 3
snap @start-headless@
key 32"
await_picture start start-headless

# S2.P1 from (500, 150) to (150, 400): the segments cross, one light magenta
# circle and no nearest pair.
drag 1 500 150 150 400
# S1.P2 from (200, 300) to (250, 250) with the middle button.
drag 2 200 300 250 250
headless_picture drag-headless "mouse 500 150 1
wait 2
mouse 150 400 1
wait 2
mouse 150 400 0
mouse 200 300 4
wait 2
mouse 250 250 4
wait 2
mouse 250 250 0
wait 3
snap @drag-headless@
key 32"
await_picture drag drag-headless
expect_colours drag FF80FF

click_close_box
press_key Return
expect_exit 0
