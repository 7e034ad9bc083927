#!/usr/bin/env bash
# A copy another program makes while this one ends stays on the clipboard,
# with that program as its owner, and the keeper ends.
#   exit_newer_test.sh <kovrim> <case>
# case:
#   keeper-starting  the copy is made the moment the keeper process exists,
#                    before it can have taken the clipboard
#   keeper-owns      the copy is made once the keeper owns the clipboard
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
case=$2

# The keeper's process id, once one runs; its name is cut to 15 characters.
keeper_pid() {
  local pid
  for pid in $(e2e_marked_pids); do
    [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = kovrim-clipboar ] && echo "$pid" && return 0
  done
  return 1
}

# Another program copies "newer"; xclip stays in the background as the owner.
copy_newer() { printf 'newer' | e2e_helper xclip -selection clipboard -i; }

e2e_start_x
e2e_start_kovrim
e2e_clear_input
e2e_expect_converts "the start"
printf 'newer' >"$e2e_tmp/newer"

case $case in
  keeper-starting)
    # Looks for the keeper as fast as it can, for ten seconds at most, then
    # copies.
    (
      trap - EXIT INT TERM HUP
      end=$(($(e2e_now_ms) + 10000))
      until keeper_pid >"$e2e_tmp/keeper"; do
        (($(e2e_now_ms) < end)) || exit 1
      done
      copy_newer
      touch "$e2e_tmp/copied"
    ) &
    watcher=$!
    kill -TERM "$kovrim_pid"
    wait "$watcher" || e2e_fail "no keeper started, or the copy while it starts failed"
    keeper=$(cat "$e2e_tmp/keeper")
    ;;
  keeper-owns)
    kill -TERM "$kovrim_pid"
    e2e_until 10000 keeper_pid >"$e2e_tmp/keeper" || e2e_fail "no keeper started"
    keeper=$(cat "$e2e_tmp/keeper")
    e2e_until 10000 eval '! e2e_running "$kovrim_pid"' || e2e_fail "the program did not end on SIGTERM"
    e2e_until 5000 e2e_clipboard_is "$e2e_tmp/typed" ||
      e2e_fail "the keeper does not serve the codes: $(e2e_show_clipboard)"
    copy_newer
    ;;
  *) e2e_fail "unknown case $case" ;;
esac

e2e_until 10000 eval '! e2e_running "$kovrim_pid"' || e2e_fail "the program did not end on SIGTERM"
kovrim_pid=
e2e_until 10000 eval '! e2e_running "$keeper"' ||
  e2e_fail "the keeper still runs after another program copied: $(e2e_describe "$keeper")"
e2e_clipboard_is "$e2e_tmp/newer" ||
  e2e_fail "the newer copy was overwritten; the clipboard holds: $(e2e_show_clipboard)"
# Its owner still serves it: the clipboard was not taken from xclip.
[ -n "$(e2e_marked_pids "$e2e_helper_mark")" ] || e2e_fail "xclip no longer owns the clipboard"
left=$(e2e_marked_pids)
[ -z "$left" ] || e2e_fail "processes left behind: $(e2e_describe "$left")"
