# Shared by the end-to-end tests.  Each test runs the program on an X server
# of its own, drives it with xdotool and reads the clipboard with xclip, as
# another program pastes it.  Everything a test starts is ended when it
# exits, whether it passed or not.
#
# A test script sources this file with the program under test as its first
# argument; KOVRIM_E2E_PROGRAM, when set, names another build of it instead.

set -euo pipefail

e2e_program=${KOVRIM_E2E_PROGRAM:-${1:?usage: $0 <kovrim> ...}}
e2e_tmp=$(mktemp -d "${TMPDIR:-/tmp}/kovrim-e2e.XXXXXX")
# Given to the program's environment, and so inherited by every process it
# starts: the ones it leaves behind are found by it.  The test's own helper
# programs carry the other mark.
e2e_mark="KOVRIM_E2E_RUN=${e2e_tmp##*/}"
e2e_helper_mark="KOVRIM_E2E_HELPER=${e2e_tmp##*/}"
e2e_xvfb_pid=
e2e_watchdog_pid=
kovrim_pid=
kovrim_window=

# Places in the window, in pixels from its top left corner (15 twips a pixel).
e2e_command2=(20 8)    # end the program
e2e_command1=(76 8)    # clear
e2e_check3=(564 12)    # "Arabic Win": the input path
e2e_text1=(200 300)    # the input box
e2e_combo1=(480 427)   # the input font list's edit field, over the input box
e2e_combo2=(510 43)    # the output font list's edit field

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

e2e_require() {
  local tool missing=()
  for tool in Xvfb xdotool xclip setxkbmap xkbcomp timeout; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  ((${#missing[@]} == 0)) ||
    e2e_fail "missing ${missing[*]} (./build.sh test installs them: xvfb, xdotool, xclip, x11-xkb-utils)"
  [ -x "$e2e_program" ] || e2e_fail "no program at $e2e_program"
}

e2e_now_ms() { echo $((${EPOCHREALTIME/[.,]/} / 1000)); }

# e2e_until <milliseconds> <command...>: runs the command every 50 ms until it
# succeeds; fails when the time is up.
e2e_until() {
  local end=$(($(e2e_now_ms) + $1))
  shift
  until "$@"; do
    (($(e2e_now_ms) < end)) || return 1
    sleep 0.05
  done
}

# e2e_marked_pids [mark...]: the processes with one of these marks (by
# default the program's) that still exist.
e2e_marked_pids() {
  local marks=("${@:-$e2e_mark}") args=() m
  for m in "${marks[@]}"; do args+=(-e "$m"); done
  grep -lzxF "${args[@]}" /proc/[0-9]*/environ 2>/dev/null | sed 's|^/proc/\([0-9]*\)/environ$|\1|'
  return 0
}

# e2e_describe <pids>: each process with its command line.
e2e_describe() {
  local pid
  for pid in $1; do
    printf '%s: %s; ' "$pid" "$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
  done
}

# Ends the program, whatever it started, the helpers and the X server.
e2e_kill_all() {
  local pids
  mapfile -t pids < <(e2e_marked_pids "$e2e_mark" "$e2e_helper_mark")
  ((${#pids[@]} == 0)) || kill -KILL "${pids[@]}" 2>/dev/null
  [ -n "$e2e_xvfb_pid" ] && kill "$e2e_xvfb_pid" 2>/dev/null
  return 0
}

e2e_running() {
  local state
  state=$(sed -n 's/^.*) \(.\).*$/\1/p' "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ] && [ "$state" != X ]
}

e2e_cleanup() {
  local status=$?
  set +e
  [ -n "$e2e_watchdog_pid" ] && kill "$e2e_watchdog_pid" 2>/dev/null
  e2e_kill_all
  [ -n "$e2e_xvfb_pid" ] && wait "$e2e_xvfb_pid" 2>/dev/null
  if [ "$status" -ne 0 ] && [ -s "$e2e_tmp/kovrim.log" ]; then
    echo "--- program output:" >&2
    cat "$e2e_tmp/kovrim.log" >&2
  fi
  rm -rf "$e2e_tmp"
  exit "$status"
}
trap e2e_cleanup EXIT
trap 'exit 1' INT TERM HUP

# Starts an X server on a free display and points every client of this test
# at it.  Should this script be killed outright, a watchdog ends what it
# started.
e2e_start_x() {
  e2e_require
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$e2e_tmp/display" >"$e2e_tmp/xvfb.log" 2>&1 &
  e2e_xvfb_pid=$!
  if ! e2e_until 10000 grep -qx '[0-9]\+' "$e2e_tmp/display"; then
    cat "$e2e_tmp/xvfb.log" >&2
    e2e_fail "Xvfb did not start"
  fi
  DISPLAY=":$(cat "$e2e_tmp/display")"
  export DISPLAY
  local script=$$
  (
    trap - EXIT INT TERM HUP
    while kill -0 "$script" 2>/dev/null; do sleep 1; done
    e2e_kill_all
    rm -rf "$e2e_tmp"
  ) </dev/null >/dev/null 2>&1 &
  e2e_watchdog_pid=$!
  # The program runs on this server, not on the offscreen platform of the
  # unit tests.
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
  # No session bus of the desktop's: one that is named but absent keeps
  # libdbus from starting a bus of its own (dbus-launch --autolaunch), which
  # would outlive the test.
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$e2e_tmp/no-session-bus"
  export XDG_RUNTIME_DIR="$e2e_tmp/runtime"
  mkdir -m 0700 "$XDG_RUNTIME_DIR"
}

# Starts the program and waits for its window; the window gets the keyboard
# focus (there is no window manager to give it).
e2e_start_kovrim() {
  env "$e2e_mark" "$e2e_program" >"$e2e_tmp/kovrim.log" 2>&1 &
  kovrim_pid=$!
  kovrim_window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Kovrim' | head -n 1) ||
    true
  [ -n "$kovrim_window" ] || e2e_fail "the window did not appear"
  xdotool windowfocus --sync "$kovrim_window"
}

# e2e_helper <command...>: runs a helper program of the test, marked.
e2e_helper() { env "$e2e_helper_mark" "$@"; }

# Fails the test unless the program still runs; $1 says what just happened.
e2e_expect_alive() {
  e2e_running "$kovrim_pid" && return 0
  local status=0
  wait "$kovrim_pid" || status=$?
  local how="exit status $status"
  ((status > 128)) && how="signal $(kill -l $((status - 128)))"
  kovrim_pid=
  e2e_fail "the program ended ($how) after $1"
}

# e2e_click <x> <y> [button]: a click in the window.  xdotool's
# mousemove --sync waits some 15 s for a move when the pointer is already
# where it is sent, so the pointer is moved only when it is elsewhere.
e2e_click() {
  local origin pointer
  origin=$(xdotool getwindowgeometry "$kovrim_window" | sed -n 's/^ *Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
  pointer=$(xdotool getmouselocation | sed -n 's/^x:\([0-9]*\) y:\([0-9]*\) .*/\1 \2/p')
  if [ -n "$origin" ] && [ "$pointer" = "$((${origin% *} + $1)) $((${origin#* } + $2))" ]; then
    xdotool click "${3:-1}"
  else
    xdotool mousemove --sync --window "$kovrim_window" "$1" "$2" click "${3:-1}"
  fi
}

# The clipboard's text into file $1, as another program pastes it; fails
# when nobody owns the clipboard or its owner does not answer in time.
e2e_clipboard() { timeout 1 xclip -o -selection clipboard >"$1" 2>/dev/null; }

# Succeeds when the clipboard holds exactly the bytes of file $1.
e2e_clipboard_is() {
  e2e_clipboard "$e2e_tmp/clipboard" && cmp -s "$e2e_tmp/clipboard" "$1"
}

e2e_show_clipboard() {
  e2e_clipboard "$e2e_tmp/clipboard" || {
    echo "(no clipboard text)"
    return
  }
  od -An -c "$e2e_tmp/clipboard" | head -n 5
}

# Clicks the end button until the program has ended: a click before the
# window takes input is lost.
e2e_end_by_button() {
  local end=$(($(e2e_now_ms) + 15000))
  until ! e2e_running "$kovrim_pid"; do
    (($(e2e_now_ms) < end)) || e2e_fail "the program did not end by the end button"
    e2e_click "${e2e_command2[@]}" >/dev/null 2>&1 || true
    e2e_until 1000 eval '! e2e_running "$kovrim_pid"' || true
  done
  kovrim_pid=
}

# Clicks the clear button until the clipboard holds the codes of the empty
# input (three spaces: the padding and the space before the ligature
# passes).  From then on the window is known to take clicks.
e2e_clear_input() {
  printf '   ' >"$e2e_tmp/cleared"
  local tries=0
  until e2e_click "${e2e_command1[@]}" && e2e_until 500 e2e_clipboard_is "$e2e_tmp/cleared"; do
    e2e_expect_alive "a click on the clear button"
    ((++tries < 20)) || e2e_fail "the clear button does not clear the clipboard"
  done
}

# Types a few Latin letters into the emptied input box and waits until the
# clipboard holds their codes: Latin letters pass through as themselves, in
# display order between the padding spaces.  A paste that waited for an
# owner that never answers may hold the window for up to 15 s before that.
# Fails at once if the program ends meanwhile; $1 says what came before.
e2e_expect_converts() {
  e2e_expect_alive "$1"
  e2e_click "${e2e_command1[@]}"
  e2e_click "${e2e_text1[@]}"
  xdotool type --delay 20 abc
  printf ' cba  ' >"$e2e_tmp/typed"
  e2e_until 20000 e2e_alive_with_clipboard "$1" "$e2e_tmp/typed" ||
    e2e_fail "after $1, typing abc did not give its codes; the clipboard holds: $(e2e_show_clipboard)"
  e2e_expect_alive "$1"
}

e2e_alive_with_clipboard() {
  e2e_expect_alive "$1"
  e2e_clipboard_is "$2"
}

# Unticks "Arabic Win" and waits for the keyboard path, whose empty buffer
# gives two spaces (left in $e2e_tmp/empty); then moves the mouse over the
# window, which gives the key box the focus.
e2e_enter_keyboard_path() {
  printf '  ' >"$e2e_tmp/empty"
  e2e_click "${e2e_check3[@]}"
  e2e_until 5000 e2e_clipboard_is "$e2e_tmp/empty" ||
    e2e_fail "unticking Arabic Win did not switch to the keyboard path: $(e2e_show_clipboard)"
  xdotool mousemove --sync --window "$kovrim_window" 200 300 mousemove --sync --window "$kovrim_window" 210 310
}
