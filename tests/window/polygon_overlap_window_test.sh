#!/usr/bin/env bash
# polygon_overlap in a real window: caption, two squares entered by left
# clicks and ended by right clicks, each outlined after its key, their
# overlap filled in light green, the close box ignored, the last key ends it.
source "$(dirname "$0")/window_lib.sh"

square_a=(100 100 300 100 300 300 100 300)
square_b=(200 200 400 200 400 400 200 400)

# In the window: a left click at each vertex, then a right click.
enter_polygon() {
  while [ $# -gt 0 ]; do
    click_at "$1" "$2"
    shift 2
  done
  click_at 600 500 3
}

# The same input as script lines: down, up and a quiet poll per vertex.
polygon_script() {
  while [ $# -gt 0 ]; do
    printf 'mouse %d %d 1\nmouse %d %d 0\nwait 1\n' "$1" "$2" "$1" "$2"
    shift 2
  done
  printf 'mouse 600 500 2\n'
}

start_display
start_program polygon_overlap "INTERSECTIA POLIGOANELOR"
enter_polygon "${square_a[@]}"
press_key space
# A outlined in light red, its vertices ringed; nothing filled.
await_pixels a 200 100 FF8080 300 200 FF8080 102 100 FF8080 200 200 000000
click_close_box
enter_polygon "${square_b[@]}"
press_key space
# The common square from (200, 200) to (300, 300) filled in light green over
# both outlines; the rest of each square stays empty.
await_pixels overlap 250 250 90EE90 200 250 90EE90 150 150 000000 350 350 000000 \
  350 400 ADD8E6 150 300 FF8080
headless_picture overlap-headless "$(polygon_script "${square_a[@]}")
key 32
$(polygon_script "${square_b[@]}")
key 32
snap @overlap-headless@
key 32"
await_picture overlap overlap-headless
press_key space
expect_exit 0
