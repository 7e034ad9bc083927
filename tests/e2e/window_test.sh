#!/usr/bin/env bash
# The window has one size: it tells the window manager that its smallest
# and largest sizes are its design size (625 x 445 pixels), so no window
# manager offers to resize it, and it asks for no maximise button or
# function; minimising and closing stay.
#   window_test.sh <kovrim>
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1

command -v xprop >/dev/null || e2e_fail "missing xprop (./build.sh test installs it: x11-utils)"
e2e_start_x
e2e_start_kovrim

hints=$(xprop -id "$kovrim_window" WM_NORMAL_HINTS)
grep -q 'program specified minimum size: 625 by 445$' <<<"$hints" ||
  e2e_fail "the window's smallest size is not 625 x 445: $hints"
grep -q 'program specified maximum size: 625 by 445$' <<<"$hints" ||
  e2e_fail "the window's largest size is not 625 x 445: $hints"

# _MOTIF_WM_HINTS: flags, functions, decorations, ...  Functions: 1 all but
# those listed, 8 minimise, 16 maximise, 32 close; decorations: 1 all but
# those listed, 32 minimise, 64 maximise.
motif=$(xprop -id "$kovrim_window" _MOTIF_WM_HINTS)
read -r flags functions decorations _ < <(sed -n 's/^.* = //p' <<<"$motif" | tr -d ',') ||
  e2e_fail "the window gives no _MOTIF_WM_HINTS: $motif"
((flags & 1)) || e2e_fail "the window leaves its functions to the window manager: $motif"
((flags & 2)) || e2e_fail "the window leaves its decorations to the window manager: $motif"
((!(functions & 1) && !(decorations & 1))) || e2e_fail "the window's hints are read inverted: $motif"
((!(functions & 16))) || e2e_fail "the window can be maximised: $motif"
((!(decorations & 64))) || e2e_fail "the window shows a maximise button: $motif"
((functions & 8 && functions & 32)) || e2e_fail "the window cannot be minimised or closed: $motif"
((decorations & 32)) || e2e_fail "the window shows no minimise button: $motif"
e2e_expect_alive "the window's hints were read"
