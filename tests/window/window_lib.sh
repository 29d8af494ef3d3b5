# Shared steps of the real-window tests: a private Xvfb display with a small
# window manager (openbox, so that windows have a close box), a program in a
# real window, screenshots and pixel checks, input through xdotool, and the
# same program run headless for the picture it must show.
# Sourced by the tests; BIN (the built programs) and SHOTS (where screenshots
# stay when a test fails) come from the environment.
set -euo pipefail

: "${BIN:?BIN must name the folder of the built programs}"
SHOTS="${SHOTS:-$(mktemp -d)}"
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
# Random pictures repeat: the window run and its headless twin get one seed.
export WINGRAPH_SEED=7
XVFB_PID=""
WM_PID=""
PROGRAM_PID=""
PROGRAM=""
WINDOW=""
failed=0
# The client area of the window (root coordinates) and its frame.
WINDOW_X=0 WINDOW_Y=0 WINDOW_W=800 WINDOW_H=600
FRAME_X=0 FRAME_Y=0 FRAME_W=0
# The client size at each screenshot, for mapping drawing-area pixels.
declare -A SHOT_SIZE

stop_pid() { [ -n "$1" ] && kill "$1" 2>/dev/null || true; }

# A program's children (the launcher's chosen program), by their ids.
stop_children() {
  [ -n "$1" ] || return 0
  local child
  for child in $(ps -o pid= --ppid "$1" 2>/dev/null); do stop_pid "$child"; done
}

finish() {
  local status=$?
  stop_children "$PROGRAM_PID"
  stop_pid "$PROGRAM_PID"
  stop_pid "$WM_PID"
  stop_pid "$XVFB_PID"
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

# Repeats a command (quietly) every 0.1 s until it succeeds, at most 10 s.
eventually() {
  local _
  for _ in $(seq 100); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Starts Xvfb on a display number that it picks itself (free of races with
# other servers starting at the same time), exports DISPLAY, and starts
# openbox with a home of its own inside SHOTS.
start_display() {
  local fd
  exec {fd}>"$SHOTS/display"
  Xvfb -displayfd "$fd" -screen 0 1280x1024x24 -nolisten tcp >"$SHOTS/xvfb.log" 2>&1 &
  XVFB_PID=$!
  exec {fd}>&-
  eventually grep -q '^[0-9]' "$SHOTS/display" || fail "no Xvfb display could be started"
  export DISPLAY=":$(head -n 1 "$SHOTS/display")"
  mkdir -p "$SHOTS/home"
  # Its start-up command runs once it manages windows; a window mapped
  # earlier could be missed.
  HOME="$SHOTS/home" XDG_CONFIG_HOME="$SHOTS/home" XDG_CACHE_HOME="$SHOTS/home" \
    openbox --startup "touch $SHOTS/home/ready" >"$SHOTS/openbox.log" 2>&1 &
  WM_PID=$!
  eventually test -e "$SHOTS/home/ready" || fail "openbox did not start on $DISPLAY"
}

# Where the window and its frame are now.
read_geometry() {
  local info frame
  info=$(xwininfo -id "$WINDOW")
  WINDOW_X=$(awk '/Absolute upper-left X/{print $4}' <<<"$info")
  WINDOW_Y=$(awk '/Absolute upper-left Y/{print $4}' <<<"$info")
  WINDOW_W=$(awk '/Width:/{print $2}' <<<"$info")
  WINDOW_H=$(awk '/Height:/{print $2}' <<<"$info")
  frame=$(xwininfo -children -id "$WINDOW" | awk '/Parent window id/{print $4}')
  info=$(xwininfo -id "$frame")
  FRAME_X=$(awk '/Absolute upper-left X/{print $4}' <<<"$info")
  FRAME_Y=$(awk '/Absolute upper-left Y/{print $4}' <<<"$info")
  FRAME_W=$(awk '/Width:/{print $2}' <<<"$info")
}

# Waits for a visible window with exactly this caption; sets WINDOW.
find_window() {
  local title=$1 what=$2
  WINDOW=$(timeout 10 xdotool search --sync --onlyvisible --name "^${title}\$" | head -n 1) ||
    fail "$what: no window called '$title'"
  [ "$(xdotool getwindowname "$WINDOW")" = "$title" ] || fail "$what: caption is not '$title'"
  read_geometry
}

# Starts a program of BIN (or the path given as $3) in the real window and
# waits for its window with the given caption, which must be 800x600.
start_program() {
  local name=$1 title=$2 path=${3:-$BIN/$1}
  PROGRAM=$name
  env -u WINGRAPH_DRIVER -u WINGRAPH_SCRIPT "$path" &
  PROGRAM_PID=$!
  find_window "$title" "$name"
  [ "${WINDOW_W}x${WINDOW_H}" = 800x600 ] ||
    fail "$name: the window opens ${WINDOW_W}x${WINDOW_H}, not 800x600"
}

# The drawing area inside a client area of W x H: "x y width height".
viewport_of() {
  local w=$1 h=$2 vw vh
  if [ $((w * 600)) -le $((h * 800)) ]; then
    vw=$w vh=$((w * 600 / 800))
  else
    vh=$h vw=$((h * 800 / 600))
  fi
  echo "$(((w - vw) / 2)) $(((h - vh) / 2)) $vw $vh"
}

# The client pixel that shows drawing-area pixel (x, y) in a client area of
# W x H: the one whose centre lies nearest the centre of the area pixel.
client_pixel() {
  local x=$1 y=$2 vx vy vw vh
  read -r vx vy vw vh < <(viewport_of "$3" "$4")
  echo "$((vx + (2 * x + 1) * vw / 1600)) $((vy + (2 * y + 1) * vh / 1200))"
}

# Screenshot of the window's client area as SHOTS/NAME.png.
shot() {
  read_geometry
  import -window root -crop "${WINDOW_W}x${WINDOW_H}+${WINDOW_X}+${WINDOW_Y}" +repage \
    "$SHOTS/$1.png"
  SHOT_SIZE[$1]="$WINDOW_W $WINDOW_H"
}

# The colours (RRGGBB) of drawing-area pixels "x y" of a screenshot, one a line.
pixels() {
  local name=$1 format="" x y cx cy
  shift
  while [ $# -gt 0 ]; do
    x=$1 y=$2
    shift 2
    # shellcheck disable=SC2086
    read -r cx cy < <(client_pixel "$x" "$y" ${SHOT_SIZE[$name]})
    format+="%[hex:p{$cx,$cy}]\n"
  done
  convert "$SHOTS/$name.png" -format "$format" info: | cut -c1-6
}

# Checks pixels of a screenshot: expect_pixels NAME X Y RRGGBB [X Y RRGGBB ...]
# in drawing-area pixels. Without output when they all match, else the first
# mismatch.
mismatch() {
  local name=$1 coords=() wanted=() got i
  shift
  while [ $# -gt 0 ]; do
    coords+=("$1" "$2")
    wanted+=("$3")
    shift 3
  done
  mapfile -t got < <(pixels "$name" "${coords[@]}")
  for i in "${!wanted[@]}"; do
    if [ "${got[$i]}" != "${wanted[$i]}" ]; then
      echo "pixel (${coords[$((2 * i))]}, ${coords[$((2 * i + 1))]}) is ${got[$i]}, expected ${wanted[$i]}"
      return
    fi
  done
}

expect_pixels() {
  local wrong
  wrong=$(mismatch "$@")
  [ -z "$wrong" ] || fail "$PROGRAM, $1: $wrong"
}

# Takes screenshot NAME until the pixels match (the first picture of a drag
# loop shows with its second frame; a key-step picture builds up), at most 5 s.
await_pixels() {
  local name=$1 wrong _
  for _ in $(seq 25); do
    shot "$name"
    wrong=$(mismatch "$@")
    [ -z "$wrong" ] && return 0
    sleep 0.2
  done
  fail "$PROGRAM, $name: $wrong"
}

# How many pixels differ between two pictures.
differing_pixels() {
  compare -metric AE "$1" "$2" "$3" 2>&1 >/dev/null | cut -d' ' -f1 || true
}

# Runs the program headless on a script and keeps the page of its last snap
# line as SHOTS/NAME.png; snap lines name their file as @NAME@.
headless_picture() {
  local name=$1 script=$2 status=0
  sed "s|@\([a-z0-9_-]*\)@|$SHOTS/\1.png|g" <<<"$script" >"$SHOTS/$name.script"
  WINGRAPH_DRIVER=headless WINGRAPH_SCRIPT="$SHOTS/$name.script" \
    "$BIN/$PROGRAM" 2>"$SHOTS/$name.stderr" || status=$?
  [ "$status" -eq 0 ] || fail "$PROGRAM headless, $name: status $status: $(cat "$SHOTS/$name.stderr")"
}

# Takes screenshot NAME until it equals the headless picture REFERENCE, pixel
# for pixel (the window shows the page exactly), at most 5 s; on failure the
# differing pixels are marked in NAME-diff.png.
await_picture() {
  local name=$1 reference=$2 differ _
  for _ in $(seq 25); do
    shot "$name"
    [ "${SHOT_SIZE[$name]}" = "800 600" ] || fail "$PROGRAM, $name: the window is not 800x600"
    differ=$(differing_pixels "$SHOTS/$name.png" "$SHOTS/$reference.png" null:)
    [ "$differ" = 0 ] && return 0
    sleep 0.2
  done
  differing_pixels "$SHOTS/$name.png" "$SHOTS/$reference.png" "$SHOTS/$name-diff.png" >/dev/null
  fail "$PROGRAM, $name: $differ pixels differ from the headless picture $reference.png"
}

expect_different() {
  local differ
  differ=$(differing_pixels "$SHOTS/$1.png" "$SHOTS/$2.png" null:)
  [ "$differ" != 0 ] || fail "$PROGRAM: $1 and $2 show the same picture"
}

# Whether a screenshot holds at least one pixel of each colour (RRGGBB).
expect_colours() {
  local name=$1 colours colour
  shift
  colours=$(convert "$SHOTS/$name.png" -format %c histogram:info: | grep -o '#[0-9A-F]\{6\}')
  for colour in "$@"; do
    grep -qx "#$colour" <<<"$colours" || fail "$PROGRAM, $name: no pixel of colour $colour"
  done
}

# Moves the pointer to drawing-area pixel (x, y), at any window size.
point_at() {
  local cx cy
  read -r cx cy < <(client_pixel "$1" "$2" "$WINDOW_W" "$WINDOW_H")
  xdotool mousemove --sync $((WINDOW_X + cx)) $((WINDOW_Y + cy))
  sleep 0.05
}

# X button numbers: 1 left, 2 middle, 3 right.
button_down() { xdotool mousedown "$1" && sleep 0.1; }
button_up() { xdotool mouseup "$1" && sleep 0.1; }

# Drags with the X buttons given (e.g. "1" or "1 3") from (x1, y1) to
# (x2, y2) in four steps, held long enough for several frames at each.
drag() {
  local buttons=$1 x1=$2 y1=$3 x2=$4 y2=$5 b step
  point_at "$x1" "$y1"
  for b in $buttons; do button_down "$b"; done
  for step in 1 2 3 4; do
    point_at $((x1 + (x2 - x1) * step / 4)) $((y1 + (y2 - y1) * step / 4))
  done
  sleep 0.1
  for b in $buttons; do button_up "$b"; done
}

# A left click at drawing-area pixel (x, y).
click_at() {
  point_at "$1" "$2"
  button_down "${3:-1}"
  button_up "${3:-1}"
}

press_key() { xdotool key --clearmodifiers "$1" && sleep 0.1; }

program_running() { kill -0 "$PROGRAM_PID" 2>/dev/null; }

# Clicks the close box of the window's title bar (openbox's default theme
# puts it 11 pixels in from the frame's right edge, 10 below its top) and
# checks that the program goes on with its window.
click_close_box() {
  read_geometry
  [ $((WINDOW_Y - FRAME_Y)) -gt 10 ] || fail "$PROGRAM: the window has no title bar"
  xdotool mousemove --sync $((FRAME_X + FRAME_W - 11)) $((FRAME_Y + 10)) click 1
  sleep 0.7
  program_running || fail "$PROGRAM ended when its close box was clicked"
  xwininfo -id "$WINDOW" | grep -q IsViewable || fail "$PROGRAM: the window went away"
}

# Waits for the program to end and checks its exit status.
expect_exit() {
  local expected=$1 status=0
  eventually sh -c "! kill -0 $PROGRAM_PID" || fail "$PROGRAM did not end"
  wait "$PROGRAM_PID" || status=$?
  PROGRAM_PID=""
  [ "$status" -eq "$expected" ] || fail "$PROGRAM: exit status $status, expected $expected"
}

# An animation: two screenshots half a second apart differ.
expect_moving() {
  shot "$1"
  sleep 0.5
  shot "$2"
  expect_different "$1" "$2"
}

# Whether a rectangle (drawing-area pixels, at 800x600) of a screenshot
# holds a pixel of the colour: expect_colour_in NAME X Y WIDTH HEIGHT RRGGBB.
expect_colour_in() {
  convert "$SHOTS/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -format %c histogram:info: |
    grep -qi "#$6" || fail "$PROGRAM, $1: no pixel of colour $6 in ${4}x${5}+${2}+${3}"
}

# Whether a rectangle (client pixels) of a screenshot is all of one colour:
# expect_plain NAME X Y WIDTH HEIGHT RRGGBB.
expect_plain() {
  local colours
  colours=$(convert "$SHOTS/$1.png" -crop "${4}x${5}+${2}+${3}" +repage -format %c histogram:info: |
    grep -o '#[0-9A-F]\{6\}' | sort -u | tr '\n' ' ')
  [ "$colours" = "#$6 " ] || fail "$PROGRAM, $1: ${4}x${5}+${2}+${3} holds $colours, not only $6"
}

# A key-step program: its first random picture as the headless run with the
# same seed shows it, the colours it draws in, the close box ignored, a new
# picture on a letter key, Esc ends it with status 0.
check_key_step_program() {
  local colours=("${@:3}")
  start_program "$1" "$2"
  headless_picture key-step "snap @first-headless@
key 97
snap @second-headless@
key 27"
  await_picture first first-headless
  expect_colours first "${colours[@]}"
  click_close_box
  press_key a
  await_picture second second-headless
  expect_different first second
  expect_colours second "${colours[@]}"
  press_key Escape
  expect_exit 0
}

# Resizes the window's client area and waits until it has that size.
resize_window() {
  xdotool windowsize "$WINDOW" "$1" "$2"
  eventually sh -c "xwininfo -id $WINDOW | grep -q 'Width: $1' && xwininfo -id $WINDOW | grep -q 'Height: $2'" ||
    fail "$PROGRAM: the window did not take the size $1x$2"
  read_geometry
  sleep 0.3
}

# A double click on the title bar, which maximises the window or restores it;
# waits until the client size has changed.
double_click_title() {
  local before
  read_geometry
  before="${WINDOW_W}x${WINDOW_H}"
  xdotool mousemove --sync $((FRAME_X + FRAME_W / 2)) $((FRAME_Y + 10)) click --repeat 2 --delay 80 1
  eventually sh -c "! xwininfo -id $WINDOW | tr -d ' ' | grep -q -x 'Width:${before%x*}'" ||
    fail "$PROGRAM: a double click on the title bar did not change the window's size"
  sleep 0.3
  read_geometry
}
