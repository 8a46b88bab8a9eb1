#!/usr/bin/env bash
# A pupil opens the classic 8/5/3 task and solves it with the keyboard alone: a stray Space first chooses no
# other task, the vessel keys and Enter run the seven steps, and Enter closes «Задание выполнено» as well.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

cp "$TRIMERKA_TEST_DATA/task_8-5-3.tmk" "$work/tasks/classic.tmk"

step "opening the task"
start_with_task "$TRIMERKA_PROGRAM" "$work/tasks/classic.tmk"
focus_window "$main_window"

step "a stray Space opens no dialog"
keys space
sleep 0.5
opened="$(xdotool search --onlyvisible --name '^Выбрать задание' || true)"
[ -z "$opened" ] || fail "Space opened the open dialog"

step "solving it by keys in seven steps"
# Digits and the Latin letters that stand for the vessels (a, b, v) take turns.
for command in "1 2" "b v" "3 1" "2 3" "a b" "2 3" "v a"; do
    # shellcheck disable=SC2086 # two vessel keys
    keys $command Return
done

step "Enter closes the task-completed window"
completed="$(wait_window '^Задание выполнено$')"
focus_window "$completed"
keys Return
wait_closed "$completed"

quit_program
