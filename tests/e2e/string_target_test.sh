#!/usr/bin/env bash
# Readers that ask for STRING or TEXT get the code bytes themselves (code n
# as byte n), from the running program and from what keeps the clipboard
# after it has ended; UTF8_STRING carries the same text.
#   string_target_test.sh <kovrim> <read_selection> <case>
# case:
#   codes       the start-up codes of the usage notes
#   every-byte  a Ctrl+C copy of a text of every printable byte's
#               character, many lines long so that it travels in pieces,
#               and a character that has no byte; a reader that goes away
#               in the middle of it first
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
read_selection=$2
case=$3

# check <who>: STRING and TEXT give the bytes of UTF8_STRING's text, of type
# STRING.
check() {
  local target
  # A reader that goes away in the middle of a large text holds nothing up.
  [ "$case" != every-byte ] || timeout 10 "$read_selection" CLIPBOARD STRING "$e2e_tmp/type" abandon ||
    e2e_fail "$1 does not answer STRING"
  timeout 10 "$read_selection" CLIPBOARD UTF8_STRING "$e2e_tmp/type" >"$e2e_tmp/utf8" ||
    e2e_fail "$1 does not answer UTF8_STRING"
  [ "$(cat "$e2e_tmp/type")" = UTF8_STRING ] || e2e_fail "$1 answers UTF8_STRING as $(cat "$e2e_tmp/type")"
  # The one character without a byte is '?' in STRING.
  sed 's/\xd7\x90/?/g' "$e2e_tmp/utf8" | iconv -f UTF-8 -t CP1256 >"$e2e_tmp/expected" ||
    e2e_fail "$1's UTF8_STRING is not in Windows-1256"
  for target in STRING TEXT; do
    timeout 10 "$read_selection" CLIPBOARD "$target" "$e2e_tmp/type" >"$e2e_tmp/got" ||
      e2e_fail "$1 does not answer $target"
    [ "$(cat "$e2e_tmp/type")" = STRING ] || e2e_fail "$1 answers $target as type $(cat "$e2e_tmp/type")"
    cmp -s "$e2e_tmp/got" "$e2e_tmp/expected" ||
      e2e_fail "$1 answers $target with other bytes: $(cmp "$e2e_tmp/got" "$e2e_tmp/expected" 2>&1 | head -n 1)"
  done
  if [ "$case" = every-byte ]; then
    head -c "$(wc -c <"$e2e_tmp/line")" "$e2e_tmp/got" | cmp -s - "$e2e_tmp/line" ||
      e2e_fail "$1's STRING does not begin with every byte: $(head -c 300 "$e2e_tmp/got" | od -An -tx1 | head -n 4)"
  fi
  # So do they within one MULTIPLE request, beside UTF8_STRING.
  if [ "$case" = codes ]; then
    timeout 10 "$read_selection" CLIPBOARD MULTIPLE:STRING,UTF8_STRING,TEXT "$e2e_tmp/types" >/dev/null ||
      e2e_fail "$1 does not answer MULTIPLE"
    [ "$(tr '\n' ' ' <"$e2e_tmp/types")" = "STRING UTF8_STRING STRING " ] ||
      e2e_fail "$1 answers MULTIPLE with the types $(tr '\n' ' ' <"$e2e_tmp/types")"
    cmp -s "$e2e_tmp/types.1" "$e2e_tmp/expected" && cmp -s "$e2e_tmp/types.2" "$e2e_tmp/utf8" &&
      cmp -s "$e2e_tmp/types.3" "$e2e_tmp/expected" || e2e_fail "$1 answers MULTIPLE with other bytes"
  fi
  # A text selected in the box is answered alike.
  if [ "$case" = every-byte ] && [ -n "$kovrim_pid" ]; then
    timeout 10 "$read_selection" PRIMARY STRING "$e2e_tmp/type" >"$e2e_tmp/got" &&
      cmp -s "$e2e_tmp/got" "$e2e_tmp/expected" || e2e_fail "$1 answers the selection's STRING with other bytes"
  fi
  # xclip, as most programs read the clipboard, gets the same.
  timeout 10 xclip -o -selection clipboard -t STRING | cmp -s - "$e2e_tmp/expected" ||
    e2e_fail "$1 answers xclip's STRING with other bytes"
}

e2e_start_x
e2e_start_kovrim

case $case in
  codes)
    has_codes() { e2e_clipboard "$e2e_tmp/codes" && LC_ALL=C grep -q '[^ -~]' "$e2e_tmp/codes"; }
    e2e_until 10000 has_codes || e2e_fail "the clipboard holds no codes after start-up"
    ;;
  every-byte)
    lines=${KOVRIM_E2E_LINES:-1500}
    # Bytes 32 to 126 and 128 to 255 on one line, then a Hebrew alef, which
    # has no byte; 1500 lines are well over the largest piece.
    for b in $(seq 32 126) $(seq 128 255); do printf "\\$(printf %03o "$b")"; done >"$e2e_tmp/line"
    { for _ in $(seq "$lines"); do iconv -f CP1256 -t UTF-8 "$e2e_tmp/line"; printf '\xd7\x90\n'; done; } >"$e2e_tmp/paste"
    e2e_clear_input
    e2e_helper xclip -i -selection clipboard <"$e2e_tmp/paste" >/dev/null 2>&1
    e2e_until 5000 e2e_clipboard_is "$e2e_tmp/paste" || e2e_fail "xclip did not take the clipboard"
    e2e_click "${e2e_text1[@]}"
    xdotool key --delay 50 ctrl+v
    # The paste's codes, then the copy of the box itself.
    not_paste() { e2e_clipboard "$e2e_tmp/now" && ! cmp -s "$e2e_tmp/now" "$e2e_tmp/paste"; }
    e2e_until 20000 not_paste || e2e_fail "the paste gave no codes"
    xdotool key --delay 50 ctrl+a ctrl+c
    copied() { e2e_clipboard "$e2e_tmp/now" && [ "$(wc -l <"$e2e_tmp/now")" -ge $((lines - 1)) ] && head -c 3 "$e2e_tmp/now" | cmp -s - <(printf ' !"'); }
    e2e_until 20000 copied || e2e_fail "Ctrl+C did not copy the input box: $(e2e_show_clipboard)"
    ;;
  *) e2e_fail "unknown case $case" ;;
esac
check "the program"

e2e_end_by_button
check "the clipboard after the end"
