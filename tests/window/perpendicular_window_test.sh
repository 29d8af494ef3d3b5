#!/usr/bin/env bash
# perpendicular in a real window: caption, the random picture with its
# column of angle values, the close box ignored, any key ends it.
source "$(dirname "$0")/window_lib.sh"

start_display
start_program perpendicular "PERPENDICULARITATE"
headless_picture single "snap @first-headless@
key 113"
await_picture first first-headless
expect_colours first A8A8A8 FF8080
# The fifty lines of values stand at the left edge from y = 10 to 516.
expect_colour_in first 0 10 60 20 A8A8A8
expect_colour_in first 0 490 60 26 A8A8A8
click_close_box
press_key q
expect_exit 0
