#!/usr/bin/env bash
# The launcher in a real window: its page, a program chosen by its letter
# runs in its own window while the launcher's is gone, the launcher comes
# back when it ends; the same for a click on a row; the close box ignored;
# Esc ends the launcher.
source "$(dirname "$0")/window_lib.sh"

launcher_title="DEMONSTRATII DE GEOMETRIE PLANA"

# The chosen program's window instead of the launcher's; a key ends the
# program and the launcher's window comes back.
expect_program_then_back() {
  find_window "$1" "the launcher's choice"
  xdotool search --onlyvisible --name "^${launcher_title}\$" >/dev/null &&
    fail "the launcher's window stays open while $1 runs"
  press_key "$2"
  find_window "$launcher_title" "launcher"
  program_running || fail "the launcher ended with the program"
}

start_display
xdotool mousemove --sync 1270 1000
start_program launcher "$launcher_title"
headless_picture page-headless "snap @page-headless@
key 27"
await_picture page page-headless
click_close_box

press_key b
expect_program_then_back "UNGHIUL DINTRE 2 VECTORI" Escape

# Row g (segment_crossing) lies between y = 362 and 392.
click_at 300 377
expect_program_then_back "INTERSECTII DE SEGMENTE" space

press_key Escape
expect_exit 0
