#!/usr/bin/env bash
# Pasting into an edit field when the X selection has no text to give: the
# program must keep running and go on converting.
#   paste_test.sh <kovrim> <silent owner> <route> <field>
# route:
#   middle        a middle click in a fresh session: nobody owns the primary
#                 selection yet
#   ctrl-v        Ctrl+V after the clipboard's owner has gone
#   shift-insert  Shift+Insert after the clipboard's owner has gone
#   silent-owner  Ctrl+V while the clipboard's owner never answers
# field: text1, combo1 or combo2
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
silent_owner=$2
route=$3
field=$4

case $field in
  text1) at=("${e2e_text1[@]}") ;;
  combo1) at=("${e2e_combo1[@]}") ;;
  combo2) at=("${e2e_combo2[@]}") ;;
  *) e2e_fail "unknown field $field" ;;
esac

e2e_start_x
e2e_start_kovrim
e2e_clear_input

case $route in
  middle)
    e2e_click "${at[@]}" 2
    ;;
  ctrl-v | shift-insert)
    # Another program copies and ends: the clipboard has no owner left.
    printf x | e2e_helper xclip -i -loops 1 -selection clipboard >/dev/null 2>&1
    [ "$(timeout 5 xclip -o -selection clipboard)" = x ] ||
      e2e_fail "the other program's copy did not reach the clipboard"
    helpers_gone() { [ -z "$(e2e_marked_pids "$e2e_helper_mark")" ]; }
    e2e_until 5000 helpers_gone || e2e_fail "the other program did not end"
    e2e_click "${at[@]}"
    if [ "$route" = ctrl-v ]; then xdotool key ctrl+v; else xdotool key shift+Insert; fi
    ;;
  silent-owner)
    e2e_helper "$silent_owner" >"$e2e_tmp/owner.log" 2>&1 &
    e2e_until 10000 grep -qx owned "$e2e_tmp/owner.log" ||
      e2e_fail "the silent owner did not take the clipboard: $(cat "$e2e_tmp/owner.log")"
    e2e_click "${at[@]}"
    xdotool key ctrl+v
    ;;
  *) e2e_fail "unknown route $route" ;;
esac

e2e_expect_converts "$route in $field"
