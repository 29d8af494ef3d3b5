#!/usr/bin/env bash
# circumcircle in a real window: caption, a random triangle in light red and
# light blue with its light green circle and radius text, a new one on a key,
# the close box ignored, Esc ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
check_key_step_program circumcircle "CERCUL CIRCUMSCRIS TRIUNGHIULUI" FF8080 ADD8E6 90EE90
# "RAZA=..." from (10, 10), in light green.
expect_colour_in first 10 10 120 18 90EE90
