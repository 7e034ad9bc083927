#!/usr/bin/env bash
# The codes stay on the clipboard after the program ends, byte for byte,
# until another program copies something; then nothing of the program is
# left running.
#   exit_test.sh <kovrim> <close_window> <route>
# route:
#   command2  the end button
#   close     the window is closed, as by a window manager's close button
#   sigterm   the session ends: SIGTERM
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
close_window=$2
route=$3

e2e_start_x
e2e_start_kovrim

# The start-up conversion of the usage notes: many lines with Arabic codes,
# CR LF between them.
clipboard_has_text() { e2e_clipboard "$e2e_tmp/before" && [ -s "$e2e_tmp/before" ]; }
e2e_until 10000 clipboard_has_text || e2e_fail "the clipboard holds no codes after start-up"
(($(wc -l <"$e2e_tmp/before") > 1)) || e2e_fail "the start-up codes are not several lines"

ended() { ! e2e_running "$kovrim_pid"; }
# A click or close request that comes before the window takes input is lost,
# so it is repeated until the program has ended; once the window is gone a
# request fails, and the program may still be handing the codes over.
end_by() {
  local end=$(($(e2e_now_ms) + 15000))
  until ended; do
    (($(e2e_now_ms) < end)) || e2e_fail "the program did not end by $route"
    "$@" >/dev/null 2>&1 || true
    e2e_until 1000 ended || true
  done
}
case $route in
  command2) end_by e2e_click "${e2e_command2[@]}" ;;
  close) end_by "$close_window" "$kovrim_window" ;;
  sigterm)
    kill -TERM "$kovrim_pid"
    e2e_until 10000 ended || e2e_fail "the program did not end on SIGTERM"
    ;;
  *) e2e_fail "unknown route $route" ;;
esac
status=0
wait "$kovrim_pid" || status=$?
kovrim_pid=
if [ "$route" != sigterm ] && [ "$status" -ne 0 ]; then
  e2e_fail "the program ended by $route with exit status $status"
fi

e2e_until 5000 e2e_clipboard_is "$e2e_tmp/before" ||
  e2e_fail "after the program ended by $route, the clipboard no longer gives its codes: $(e2e_show_clipboard)"
# Asked again, it still answers.
e2e_clipboard_is "$e2e_tmp/before" || e2e_fail "the clipboard gave the codes only once"

# Something the program started serves them (an X selection needs a live
# owner, and there is no clipboard manager here).
[ -n "$(e2e_marked_pids)" ] || e2e_fail "no process of the program serves the codes"

# Another program copies: its text is the clipboard's now, and whatever kept
# the codes has ended.
printf 'copied elsewhere' | e2e_helper xclip -i -loops 1 -selection clipboard >/dev/null 2>&1
[ "$(timeout 5 xclip -o -selection clipboard)" = 'copied elsewhere' ] ||
  e2e_fail "another program's copy did not reach the clipboard"
nothing_left() { [ -z "$(e2e_marked_pids)" ]; }
e2e_until 5000 nothing_left ||
  e2e_fail "processes of the program still run after another copy: $(e2e_describe "$(e2e_marked_pids)")"
