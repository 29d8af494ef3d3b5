#!/usr/bin/env bash
# normal_line in a real window: caption, the fixed origin mark, the
# construction turning by itself, the close box ignored, any key ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
start_program normal_line "DREAPTA DEFINITA PRIN DISTANTA SI NORMALA"
# The circle of radius 5 around O (400, 300), on every frame.
await_pixels start 405 300 FFFFFF 400 305 FFFFFF 100 100 000000
expect_moving turning turned
expect_pixels turned 405 300 FFFFFF 395 300 FFFFFF

click_close_box
press_key Escape
expect_exit 0
