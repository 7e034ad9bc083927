#!/usr/bin/env bash
# The clear button and every conversion empty the clipboard before the new
# codes go on it, and never leave it to nobody in between: a clipboard
# manager that puts its own entry back on an ownerless clipboard would take
# the codes' place.
#   clear_test.sh <kovrim> <restoring_manager>
source "${BASH_SOURCE[0]%/*}/lib.sh" || exit 1
restorer=$2

e2e_start_x
e2e_helper "$restorer" >"$e2e_tmp/restorer.log" 2>&1 &
e2e_until 10000 grep -qx ready "$e2e_tmp/restorer.log" || e2e_fail "the restoring manager did not start"
e2e_start_kovrim
e2e_clear_input
e2e_expect_converts "the start"
! grep -qx restored "$e2e_tmp/restorer.log" ||
  e2e_fail "the program left the clipboard to nobody, and the manager took it back"
