#!/usr/bin/env bash
# Keys on the keyboard path under other keyboard layouts, read through the
# clipboard.
#   layout_test.sh <kovrim> <case>
# case:
#   azerty-a               French layout: the key labelled A types the letter
#                          of A (sheen, code t), not that of the key in its
#                          place on a US keyboard (Q: dad, code ~)
#   arabic-altgr-f         Arabic layout: AltGr+F types nothing
#   us-ctrl-alt-semicolon  US layout: Ctrl+Alt+; types nothing
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
case_name=$2

# The layout, the keys, and the clipboard they must give.  "Types nothing"
# is seen by a Space after the keys: the first change of the clipboard must
# be the codes of that space alone.
case $case_name in
  azerty-a) layout=fr keys=(a) expected=' t ' ;;
  arabic-altgr-f) layout=ara keys=(ISO_Level3_Shift+Arabic_beh space) expected='   ' ;;
  us-ctrl-alt-semicolon) layout=us keys=(ctrl+alt+semicolon space) expected='   ' ;;
  *) e2e_fail "unknown case $case_name" ;;
esac

e2e_start_x
setxkbmap "$layout" || e2e_fail "setxkbmap $layout failed"
e2e_start_kovrim
e2e_clear_input

e2e_enter_keyboard_path

xdotool key "${keys[@]}"
changed() { e2e_clipboard "$e2e_tmp/clipboard" && ! cmp -s "$e2e_tmp/clipboard" "$e2e_tmp/empty"; }
e2e_until 5000 changed || e2e_fail "the keys typed nothing at all under $layout"
printf '%s' "$expected" >"$e2e_tmp/expected"
cmp -s "$e2e_tmp/clipboard" "$e2e_tmp/expected" ||
  e2e_fail "under $layout, ${keys[*]} gave: $(od -An -c "$e2e_tmp/clipboard")"
e2e_expect_alive "the keys"
