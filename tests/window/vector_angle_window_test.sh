#!/usr/bin/env bash
# vector_angle in a real window: caption, start picture, the red circle near
# a tip, a drag of tip 2, the close box ignored, any key ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
start_program vector_angle "UNGHIUL DINTRE 2 VECTORI"
point_at 100 500
# U to tip 1 (500, 300), V to tip 2 (400, 400), from O (400, 300).
await_pixels start 450 300 FFFFFF 400 350 FFFFFF 500 300 FFFFFF 400 400 FFFFFF 450 350 000000
headless_picture start-headless "mouse 100 500 0
wait 3
snap @start-headless@
key 32"
await_picture start start-headless

# Within 10 pixels of tip 1 the red circle of radius 10 surrounds it.
point_at 503 304
await_pixels near 510 300 FF0000 500 290 FF0000

# Tip 2 caught by the left button and dragged to (300, 250).
drag 1 400 400 300 250
headless_picture drag-headless "mouse 400 400 1
wait 2
mouse 300 250 1
wait 2
mouse 300 250 0
wait 3
snap @drag-headless@
key 32"
await_picture drag drag-headless
expect_pixels drag 380 290 FFFFFF 300 240 FF0000

click_close_box
press_key Escape
expect_exit 0
