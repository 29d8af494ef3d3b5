#!/usr/bin/env bash
# cross_product in a real window: caption, picture, a key ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
start_program cross_product "PRODUS VECTORIAL"
point_at 100 500
sleep 0.3
shot start
expect_pixel start 559 250 FF8080   # the shaft of A
expect_pixel start 100 100 000000
press_key space
expect_exit 0
