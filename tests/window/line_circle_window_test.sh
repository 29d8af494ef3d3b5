#!/usr/bin/env bash
# line_circle in a real window: caption, the fixed circle and the segment's
# fixed end, the segment turning by itself, the close box ignored, any key
# ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
start_program line_circle "INTERSECTIE INTRE DREAPTA SI CERC"
# The circle of radius 70 around (400, 300); every segment starts at A
# (310, 210).
await_pixels start 470 300 FFFFFF 400 230 FFFFFF 330 300 FFFFFF 310 210 FFFFFF 400 300 000000
expect_moving turning turned
expect_pixels turned 400 370 FFFFFF 310 210 FFFFFF

click_close_box
press_key x
expect_exit 0
