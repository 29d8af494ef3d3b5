# Shared steps of the real-window tests: a private Xvfb display, a program in
# a real window, screenshots and pixel checks, input through xdotool.
# Sourced by the tests; BIN (the built programs) and SHOTS (where screenshots
# stay when a test fails) come from the environment.
set -euo pipefail

: "${BIN:?BIN must name the folder of the built programs}"
SHOTS="${SHOTS:-$(mktemp -d)}"
mkdir -p "$SHOTS"
XVFB_PID=""
PROGRAM_PID=""
WINDOW=""
WINDOW_X=0
WINDOW_Y=0
failed=0

finish() {
  local status=$?
  [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  if [ $status -eq 0 ] && [ $failed -eq 0 ]; then
    rm -rf "$SHOTS"
  else
    echo "screenshots kept in $SHOTS" >&2
  fi
}
trap finish EXIT

fail() {
  echo "FAIL: $*" >&2
  failed=1
  exit 1
}

# Starts Xvfb on the first free display number and exports DISPLAY.
start_display() {
  local n
  for n in $(seq 90 160); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
  done
  fail "no Xvfb display could be started"
}

# Starts a program and waits for its window with the given caption.
start_program() {
  local name=$1 title=$2
  env -u WINGRAPH_DRIVER "$BIN/$name" &
  PROGRAM_PID=$!
  WINDOW=$(timeout 10 xdotool search --sync --onlyvisible --name "^${title}\$" | head -n 1) ||
    fail "$name: no window called '$title'"
  [ "$(xdotool getwindowname "$WINDOW")" = "$title" ] || fail "$name: caption is not '$title'"
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  WINDOW_X=$X
  WINDOW_Y=$Y
  sleep 0.5
}

# Screenshot of the window's drawing area as SHOTS/NAME.png.
shot() {
  import -window root -crop "800x600+${WINDOW_X}+${WINDOW_Y}" +repage "$SHOTS/$1.png"
}

# The colour (RRGGBB) of a pixel of a screenshot, in drawing-area pixels.
pixel() {
  convert "$SHOTS/$1.png" -format "%[hex:p{$2,$3}]" info: | cut -c1-6
}

expect_pixel() {
  local got
  got=$(pixel "$1" "$2" "$3")
  [ "$got" = "$4" ] || fail "$1: pixel ($2, $3) is $got, expected $4"
}

# Moves the pointer to drawing-area pixel (x, y).
point_at() { xdotool mousemove $((WINDOW_X + $1)) $((WINDOW_Y + $2)); }

press_key() { xdotool key --clearmodifiers "$1"; }

# Waits for the program to end and checks its exit status.
expect_exit() {
  local expected=$1 status=0
  for _ in $(seq 50); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$PROGRAM_PID" 2>/dev/null && fail "the program did not end"
  wait "$PROGRAM_PID" || status=$?
  PROGRAM_PID=""
  [ "$status" -eq "$expected" ] || fail "exit status $status, expected $expected"
}
