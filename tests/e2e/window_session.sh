#!/usr/bin/env bash
# Starts a copy of the program under Xvfb and openbox on 2 March 2026 (faketime) and works it
# with real input events only, checking the store file's bytes after every step, the window's
# type and task-bar state, and the exit status. Leaves a screenshot of the window behind.
#
#   window_session.sh PROGRAM BACKGROUND_BMP ARTIFACT_DIR
set -euo pipefail

program=$1
expected_picture=$2
artifacts=$3
readonly title='Quorvel  Halvaren ---- Venlor'
readonly today='2026-03-02 10:00:00'

for tool in Xvfb openbox xdotool xprop xwininfo import faketime iconv cmp; do
  command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 1; }
done

work=$(mktemp -d)
mkdir -p "$artifacts" "$work/home"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "e2e: $*" >&2
  import -window root "$artifacts/e2e-failure.png" 2>/dev/null || true
  exit 1
}

# Polls a command every tenth of a second for up to 15 seconds.
wait_until() {
  local deadline=$((SECONDS + 15))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

gbk() { printf '%s\r\n' "$@" | iconv -f UTF-8 -t GBK; }

# --- the X session -------------------------------------------------------------------------
export HOME=$work/home
unset WAYLAND_DISPLAY
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_until test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -n1 "$work/display")
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_until xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1 || fail "openbox did not start"
wait_until sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
  fail "openbox did not take the screen"

# --- the program's directory ---------------------------------------------------------------
cp "$program" "$work/quorvel"
gbk '1---2---柱---2026年2月1日---28---3月1日' \
    '2---3---梁---2026年2月2日---28---3月2日' \
    '3---1---板---2026年2月3日---28---3月3日' >"$work/lq.vx"
printf 'not a picture' >"$work/1.bmp"

store_is() { cmp -s "$work/lq.vx" "$1"; }
expect_store() {
  wait_until store_is "$1" || {
    iconv -f GBK -t UTF-8 "$work/lq.vx" >&2 || true
    fail "$2"
  }
}

app_pid=
start_program() {
  (cd "$work" && LANG=zh_CN.UTF-8 exec faketime --exclude-monotonic "$today" ./quorvel) \
    >"$work/program.log" 2>&1 &
  app_pid=$!
  pids+=("$app_pid")
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n1) ||
    fail "the main window did not appear"
  xdotool windowactivate --sync "$window"
}

# Whether the program has ended: gone, or a zombie waiting for its status to be read.
program_ended() {
  local state
  state=$(ps -o stat= -p "$app_pid") || return 0
  [[ $state == Z* ]]
}

# Waits for the program to end and checks its exit status.
expect_exit_status() {
  wait_until program_ended || fail "the program did not end ($1)"
  local status=0
  wait "$app_pid" || status=$?
  [ "$status" -eq 0 ] || fail "exit status $status after $1"
}

click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

# The program's visible window, other than the main one, with the given title. Titles are
# read as UTF-8 from _NET_WM_NAME, which xdotool's name search does not match reliably.
box_titled() {
  local candidate
  for candidate in $(xdotool search --onlyvisible --class '^quorvel$' 2>/dev/null); do
    [ "$candidate" != "$window" ] || continue
    xprop -id "$candidate" _NET_WM_NAME 2>/dev/null | grep -qF "= \"$1\"" && echo "$candidate"
  done
  return 0
}
box_open() { [ -n "$(box_titled "$1")" ]; }

# Waits for the message box of the given title, checks that the store is as given while it is
# open (when given), then closes it with the key of its OK button.
close_box() {
  wait_until box_open "$1" || fail "no message box \"$1\" after $2"
  [ -z "${3:-}" ] || store_is "$3" || fail "the store changed while \"$1\" was open after $2"
  xdotool windowactivate --sync "$(box_titled "$1" | head -n1)" key Return
  wait_until eval '! box_open "$1"' || fail "the box \"$1\" stayed open after $2"
}

frame_origin() {
  local x y extents
  x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
  read -r left _ top _ <<<"$extents"
  echo "$((x - left)) $((y - top))"
}

# --- first run: the register's work --------------------------------------------------------
start_program
cp "$work/lq.vx" "$work/expected"

type=$(xprop -id "$window" _NET_WM_WINDOW_TYPE)
[[ $type == *_NET_WM_WINDOW_TYPE_UTILITY* ]] || fail "not a utility window: $type"
state=$(xprop -id "$window" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_SKIP_TASKBAR* ]] || fail "the window is in the task bar: $state"
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
[[ $actions != *MAXIMIZE* && $actions != *RESIZE* ]] || fail "the window can be resized: $actions"
[ "$(frame_origin)" = "$(((1024 - 492) / 2)) $(((768 - 581) / 2))" ] ||
  fail "the window is not centred: frame at $(frame_origin)"
icon=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
for size in 16 24 32 48 64; do
  [[ $icon == *"Icon ($size x $size)"* ]] || fail "the window has no $size px icon: $icon"
done
cmp -s "$work/1.bmp" "$expected_picture" || fail "1.bmp is not the list background"
store_is "$work/expected" || fail "the start changed the store"

# An entry: the number field has the focus and holds 4; Tab walks groups, location, age and
# the molding date, selecting each field's text.
xdotool key Tab type --delay 120 '2'
xdotool key Tab type --delay 120 '柱'
xdotool key Tab type --delay 120 '28'
xdotool key Tab type --delay 120 '2026年3月1日8时'
click 128 512 # 录入
gbk '4---2---柱---2026年3月1日8时---28---3月30日' >>"$work/expected"
expect_store "$work/expected" "录入 did not append the entry"

sleep 0.3 # let the list repaint the new row before the picture is taken
read -r frame_x frame_y <<<"$(frame_origin)"
import -window root -crop "488x578+$frame_x+$frame_y" +repage "$artifacts/quorvel-window.png"

# Tick the first row from the keyboard and delete it; the save follows the closed message.
click 240 380
xdotool key Down space
click 200 512 # 删除
close_box '提示' '删除' "$work/expected"
gbk '2---3---梁---2026年2月2日---28---3月2日' \
    '3---1---板---2026年2月3日---28---3月3日' \
    '4---2---柱---2026年3月1日8时---28---3月30日' >"$work/expected"
expect_store "$work/expected" "删除 did not remove the ticked row"

click 272 512 # 今日到期
close_box '提示' '今日到期' "$work/expected"
store_is "$work/expected" || fail "今日到期 changed the store"

click 344 512 # 删除到期
close_box '提示' '删除到期' "$work/expected"
gbk '3---1---板---2026年2月3日---28---3月3日' \
    '4---2---柱---2026年3月1日8时---28---3月30日' >"$work/expected"
expect_store "$work/expected" "删除到期 did not remove the row due today"

xdotool key Escape
expect_exit_status "Esc"
store_is "$work/expected" || fail "closing changed the store"

# --- second run: moving the window, the about box and 退出 ---------------------------------
start_program
read -r before_x before_y <<<"$(frame_origin)"
drag() {
  xdotool mousemove --window "$window" "$1" "$2" mousedown 1
  xdotool mousemove_relative --sync 20 10 mousemove_relative --sync 20 10
  sleep 0.2
  xdotool mouseup 1
  sleep 0.3
}
drag 20 421 # the label 编号：
read -r after_x after_y <<<"$(frame_origin)"
[ "$after_x $after_y" != "$before_x $before_y" ] || fail "a drag on a label did not move the window"
drag 200 480 # the group box, away from its buttons
read -r box_x box_y <<<"$(frame_origin)"
[ "$box_x $box_y" != "$after_x $after_y" ] || fail "a drag on the group box did not move the window"
drag 60 420 # the number field
[ "$(frame_origin)" = "$box_x $box_y" ] || fail "a drag on a field moved the window"
drag 452 420 # 关于, released away from it
[ "$(frame_origin)" = "$box_x $box_y" ] || fail "a drag on a button moved the window"
! box_open '软件简介' || fail "a drag off 关于 pressed it"

click 452 420 # 关于
close_box '软件简介' '关于'
store_is "$work/expected" || fail "关于 changed the store"

click 452 452 # 退出
expect_exit_status "退出"
store_is "$work/expected" || fail "退出 changed the store"
echo "e2e: all steps passed; screenshot in $artifacts/quorvel-window.png"
