#!/usr/bin/env bash
# A task file with a malformed value shows the error report over the main window, and once it is dismissed
# the window is in the clean state without a task.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

cp "$TRIMERKA_TEST_DATA/bad_krres.tmk" "$work/tasks/bad.tmk"
draw_references

step "opening the malformed task"
start_with_task "$TRIMERKA_PROGRAM" "$work/tasks/bad.tmk"

step "the error report stands over the main window"
# Titled with the program's file name: "trimerka" becomes "Trimerka".
report="$(wait_window '^Trimerka$')"
owner="$(xprop -id "$report" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')"
[ "$((owner))" -eq "$main_window" ] || fail "the error report belongs to window $owner, not to the main window"
focus_window "$report"
keys Return
wait_closed "$report"

step "the main window is back in the state without a task"
xdotool mousemove --sync 0 0
looks_like "$main_window" "$work/reference/main_no_task.png" || fail "the main window differs from its state without a task"

quit_program
