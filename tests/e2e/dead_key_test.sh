#!/usr/bin/env bash
# Dead keys on the keyboard path, as the X server and Qt deliver them to the
# key box, read through the clipboard.
#   dead_key_test.sh <kovrim> <case>
# case:
#   us-intl-acute-comma  US International: dead acute, then comma, types the
#                        quote and then the comma (tah, waw), as ' , does
#                        under US
#   de-grave-comma       German: dead grave, then comma, types the grave
#                        accent and then the comma (thal, waw), as ` , does
#                        under US
#   us-intl-acute-e      US International: dead acute, then e, a letter it
#                        combines with: the e, as without the dead key
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
case_name=$2

# The layout, the keys, and the clipboard they must give: the codes in
# display order between the padding spaces.  Tah joins the waw after it;
# thal does not.
case $case_name in
  us-intl-acute-comma) layout=(us -variant intl) keys=(dead_acute comma) expected=' \330\254\303\271 ' ;;
  de-grave-comma) layout=(de) keys=(dead_grave comma) expected=' \330\253g ' ;;
  us-intl-acute-e) layout=(us -variant intl) keys=(dead_acute e) expected=' T ' ;;
  *) e2e_fail "unknown case $case_name" ;;
esac

e2e_start_x
setxkbmap "${layout[@]}" || e2e_fail "setxkbmap ${layout[*]} failed"
e2e_start_kovrim
e2e_clear_input

e2e_enter_keyboard_path

# xdotool finds each key sym in the active layout and holds Shift where the
# sym needs it (the dead grave of the German layout).
xdotool key "${keys[@]}"
printf "$expected" >"$e2e_tmp/expected"
e2e_until 5000 e2e_clipboard_is "$e2e_tmp/expected" ||
  e2e_fail "under ${layout[*]}, ${keys[*]} gave: $(e2e_show_clipboard)"
e2e_expect_alive "the keys"
