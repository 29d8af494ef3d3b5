#!/usr/bin/env bash
# intersections in a real window: caption, two random white segments and the
# mark of their lines' crossing, a new pair on a key, the close box ignored,
# Esc ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
check_key_step_program intersections "INTERSECTII" FFFFFF
