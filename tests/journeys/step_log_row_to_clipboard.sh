#!/usr/bin/env bash
# Ctrl+C on a row of the step log puts the row's cells on the clipboard, separated by tabs.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

cp "$TRIMERKA_TEST_DATA/task_8-5-3.tmk" "$work/tasks/classic.tmk"

step "opening the task and pouring А into Б"
start_with_task "$TRIMERKA_PROGRAM" "$work/tasks/classic.tmk"
for x in 72 192 619; do
    click "$main_window" "$x" $((client_top + 276))
done

step "Ctrl+C on the first row"
# The first row of the step log, below its two header lines.
click "$main_window" 300 $((client_top + 351))
focus_window "$main_window"
keys ctrl+c
expected="$(printf 'А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0\r\n.')"
for ((i = 0; i < 40; i++)); do
    copied="$(clipboard; printf .)"
    [ "$copied" = "$expected" ] && break
    sleep 0.05
done
[ "$copied" = "$expected" ] || fail "the clipboard holds \"${copied%.}\""

quit_program
