#!/usr/bin/env bash
# cross_product in a real window: caption, start picture, a drag of P2, the
# close box ignored, any key ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
start_program cross_product "PRODUS VECTORIAL"
point_at 100 500
# A straight up from P0 (559, 300) to P1 (559, 180), its line continued
# behind P0 in grey; nothing far from the vectors.
await_pixels start 559 250 FF8080 559 380 7E7E7E 100 100 000000
headless_picture start-headless "mouse 100 500 0
wait 3
snap @start-headless@
key 32"
await_picture start start-headless

# A press near P2 (679, 150) picks it; the left button drags it to (450, 200).
drag 1 679 150 450 200
headless_picture drag-headless "mouse 679 150 1
wait 2
mouse 450 200 1
wait 2
mouse 450 200 0
wait 3
snap @drag-headless@
key 32"
await_picture drag drag-headless
expect_different start drag

click_close_box
press_key space
expect_exit 0

# Ctrl+C in the terminal still ends a program: the window layer leaves SIGINT
# alone. With job control on, the program starts with SIGINT at its default.
set -m
start_program cross_product "PRODUS VECTORIAL"
kill -INT "$PROGRAM_PID"
expect_exit 130
