#!/usr/bin/env bash
# point_in_polygon in a real window: caption, a random quadrilateral in light
# red, its white vertices, 1000 grey test points and the inside ones ringed,
# a new one on a key, the close box ignored, Esc ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
check_key_step_program point_in_polygon "INTERIORUL POLIGONULUI" FFFFFF FF8080 A8A8A8
