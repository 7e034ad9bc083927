#!/usr/bin/env bash
# What the program last put on the clipboard stays there after it ends by
# the end button, whatever put it there, on the display the program ran on.
#   exit_keeps_test.sh <kovrim> <case>
# case:
#   ctrl-c          a Ctrl+C copy in the input box, after the codes
#   display-option  the codes, with the program started as -display :N and
#                   DISPLAY unset
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
case=$2

e2e_start_x
case $case in
  display-option)
    env -u DISPLAY "$e2e_mark" "$e2e_program" -display "$DISPLAY" >"$e2e_tmp/kovrim.log" 2>&1 &
    kovrim_pid=$!
    kovrim_window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Kovrim' | head -n 1) || true
    [ -n "$kovrim_window" ] || e2e_fail "the window did not appear with -display and DISPLAY unset"
    xdotool windowfocus --sync "$kovrim_window"
    ;;
  *) e2e_start_kovrim ;;
esac
e2e_clear_input
e2e_expect_converts "the start"

case $case in
  ctrl-c)
    xdotool key --delay 20 ctrl+a ctrl+c
    printf 'abc' >"$e2e_tmp/expected"
    e2e_until 5000 e2e_clipboard_is "$e2e_tmp/expected" ||
      e2e_fail "Ctrl+C in the input box did not copy: $(e2e_show_clipboard)"
    ;;
  display-option) cp "$e2e_tmp/typed" "$e2e_tmp/expected" ;;
  *) e2e_fail "unknown case $case" ;;
esac

e2e_end_by_button

e2e_until 5000 e2e_clipboard_is "$e2e_tmp/expected" ||
  e2e_fail "after the end, the clipboard does not hold what the program last put there: $(e2e_show_clipboard)"
