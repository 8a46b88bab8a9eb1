#!/usr/bin/env bash
# A pupil opens the classic 8/5/3 task, solves it by clicking the vessel buttons and "Выполнить", and the
# task-completed window announces the seven steps.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

cp "$TRIMERKA_TEST_DATA/task_8-5-3.tmk" "$work/tasks/classic.tmk"
draw_references

step "opening the task"
start_with_task "$TRIMERKA_PROGRAM" "$work/tasks/classic.tmk"

# The centres of the vessel buttons А, Б, В and of "Выполнить", in the client area.
declare -A button_x=([А]=72 [Б]=192 [В]=312 [run]=619)
button_y=$((client_top + 276))
pour() { # source, destination
    click "$main_window" "${button_x[$1]}" "$button_y"
    click "$main_window" "${button_x[$2]}" "$button_y"
    click "$main_window" "${button_x[run]}" "$button_y"
}

step "solving it in seven steps"
for command in "А Б" "Б В" "В А" "Б В" "А Б" "Б В" "В А"; do
    # shellcheck disable=SC2086 # two vessels
    pour $command
done

step "the task-completed window counts seven steps"
completed="$(wait_window '^Задание выполнено$')"
xdotool mousemove --sync 0 0
# The screenshot tool's task is solved in the same seven steps, so the window must look the same.
looks_like "$completed" "$work/reference/Form11.png" || fail "the task-completed window differs from its drawing"
focus_window "$completed"
keys Escape
wait_closed "$completed"

quit_program
