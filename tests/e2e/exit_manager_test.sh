#!/usr/bin/env bash
# With a clipboard manager running, the program ends promptly by the end
# button and what it last put on the clipboard stays there, byte for byte.
#   exit_manager_test.sh <kovrim> <manager> <case>
# manager: parcellite, copyq or xfce4-clipman; the test is skipped (exit
# status 77) when it is not installed.
# case:
#   codes   the codes of the last conversion
#   ctrl-c  a Ctrl+C copy in the input box, after the codes
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
manager=$2
case=$3

if ! command -v "$manager" >/dev/null || ! command -v dbus-run-session >/dev/null; then
  echo "skipped: $manager (or dbus-run-session) is not installed"
  exit 77
fi

e2e_start_x
# The manager keeps its settings and history in a home of the test's own.
mkdir -p "$e2e_tmp/home"
HOME="$e2e_tmp/home" e2e_helper dbus-run-session -- "$manager" >"$e2e_tmp/manager.log" 2>&1 &

# The manager is at work once it has read a copy: xclip serves one request
# and ends.
printf probe | e2e_helper xclip -i -selection clipboard -loops 1 &
probe=$!
e2e_until 15000 eval '! e2e_running $probe' || e2e_fail "$manager did not read the clipboard"

e2e_start_kovrim
e2e_clear_input
e2e_expect_converts "the start"
case $case in
  codes) cp "$e2e_tmp/typed" "$e2e_tmp/expected" ;;
  ctrl-c)
    xdotool key --delay 20 ctrl+a ctrl+c
    printf 'abc' >"$e2e_tmp/expected"
    e2e_until 5000 e2e_clipboard_is "$e2e_tmp/expected" ||
      e2e_fail "Ctrl+C in the input box did not copy: $(e2e_show_clipboard)"
    ;;
  *) e2e_fail "unknown case $case" ;;
esac

# The program waits for no answer from the manager: it is gone well before
# the five seconds that Qt would wait for one.
ended() { ! e2e_running "$kovrim_pid"; }
e2e_click "${e2e_command2[@]}"
e2e_until 3000 ended || e2e_fail "the program still runs 3 s after the end button, with $manager running"
kovrim_pid=

e2e_until 5000 e2e_clipboard_is "$e2e_tmp/expected" ||
  e2e_fail "after the end, with $manager running, the clipboard does not hold what the program last put there: $(e2e_show_clipboard)"
