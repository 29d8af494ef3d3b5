#!/usr/bin/env bash
# How much CPU the programs use in a real window under a private Xvfb: each
# program idling for ten seconds (the pointer still over it, no key), and the
# drag-loop programs during a five-second drag; with the share of the X
# server that shows their pictures, and the flips per second of the loops
# that flip. A measurement to read, not a test: it prints a table.
#   bench/window_cpu.sh [PROGRAM...]    (default: every program and the launcher)
set -euo pipefail
cd "$(dirname "$0")/.."
export BIN="${BIN:-$PWD/build/default/bin}"
SHOTS=$(mktemp -d)
export SHOTS
source tests/window/window_lib.sh

IDLE_SECONDS=10
DRAG_SECONDS=5
tick=$(getconf CLK_TCK)

# Clock ticks a process has used so far (user and system).
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Runs a command and prints the CPU use of the program and of Xvfb during it,
# as percentages of one core: "program xvfb".
cpu_during() {
  local p0 x0 t0 p1 x1 t1
  p0=$(cpu_ticks "$PROGRAM_PID") x0=$(cpu_ticks "$XVFB_PID") t0=$(date +%s%N)
  "$@"
  p1=$(cpu_ticks "$PROGRAM_PID") x1=$(cpu_ticks "$XVFB_PID") t1=$(date +%s%N)
  awk -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v ns=$((t1 - t0)) -v hz="$tick" \
    'BEGIN { s = ns / 1e9; printf "%.1f %.1f\n", 100 * p / hz / s, 100 * x / hz / s }'
}

# The pointer drawn round a circle of radius 120 about (400, 300) with the
# button held, a move every 10 ms, for DRAG_SECONDS.
drag_around() {
  local button=$1 steps=$((DRAG_SECONDS * 100)) commands=()
  point_at 520 300
  xdotool mousedown "$button"
  mapfile -t commands < <(awk -v n="$steps" -v x0="$WINDOW_X" -v y0="$WINDOW_Y" 'BEGIN {
    for (i = 1; i <= n; i++) {
      a = 6.2831853 * i / 200
      printf "mousemove\n%d\n%d\nsleep\n0.01\n", x0 + 400 + 120 * cos(a), y0 + 300 + 120 * sin(a)
    }
  }')
  xdotool "${commands[@]}"
  xdotool mouseup "$button"
}

# Flips per second over six seconds, from the trace of a separate run. The
# trace is written in blocks of some ten frames, so the count is good to
# about two flips a second.
flips_per_second() {
  local name=$1 title=$2 trace="$SHOTS/$1.trace" before after t0 t1
  WINGRAPH_TRACE="$trace" start_program "$name" "$title"
  sleep 1
  before=$(grep -c '^SetVisualPage' "$trace") t0=$(date +%s%N)
  sleep 6
  after=$(grep -c '^SetVisualPage' "$trace") t1=$(date +%s%N)
  press_key space
  expect_exit 0
  awk -v flips=$((after - before)) -v ns=$((t1 - t0)) 'BEGIN { printf "%.0f\n", flips / (ns / 1e9) }'
}

# Which X button drags in each drag-loop program, and how each one ends.
drag_button() {
  case $1 in
    cross_product | vector_angle | segment_crossing | segment_distance) echo 1 ;;
    *) echo "" ;;
  esac
}
ending_key() {
  case $1 in
    circumcircle | intersections | point_in_polygon | launcher) echo Escape ;;
    *) echo space ;;
  esac
}
flipping() {
  case $1 in
    cross_product | vector_angle | segment_crossing | segment_distance | normal_line | line_circle)
      return 0 ;;
    *) return 1 ;;
  esac
}

declare -A titles
while IFS=$'\t' read -r name title; do titles[$name]=$title; done < <("$BIN/launcher" --list)
titles[launcher]="DEMONSTRATII DE GEOMETRIE PLANA"
programs=("$@")
[ ${#programs[@]} -gt 0 ] || programs=("${!titles[@]}")
mapfile -t programs < <(printf '%s\n' "${programs[@]}" | sort)

start_display
printf '%-18s %10s %10s %10s %10s %8s\n' program "idle CPU%" "X server%" "drag CPU%" "X server%" flips/s
for name in "${programs[@]}"; do
  title=${titles[$name]:?unknown program $name}
  start_program "$name" "$title"
  point_at 700 560
  sleep 1
  read -r idle idle_x < <(cpu_during sleep "$IDLE_SECONDS")
  drag="-" drag_x="-"
  button=$(drag_button "$name")
  [ -n "$button" ] && read -r drag drag_x < <(cpu_during drag_around "$button")
  if [ "$name" = polygon_overlap ]; then
    click_at 600 500 3  # ends polygon A without a vertex; then keys end it
    press_key space
    press_key space
  else
    press_key "$(ending_key "$name")"
  fi
  expect_exit 0
  flips="-"
  flipping "$name" && flips=$(flips_per_second "$name" "$title")
  printf '%-18s %10s %10s %10s %10s %8s\n' "$name" "$idle" "$idle_x" "$drag" "$drag_x" "$flips"
done
