#!/usr/bin/env bash
# A pupil opens the classic 8/5/3 task, opens «Программа» with F4, writes a loop that solves the task and
# runs it with F9: the task-completed window appears and the step log holds the rows of the solution by
# hand. A program with a syntax error marks its line and runs nothing; «Стоп» (Esc) halts an endless loop;
# Ctrl+S saves the program as UTF-8 text.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

cp "$TRIMERKA_TEST_DATA/task_8-5-3.tmk" "$work/tasks/classic.tmk"

step "opening the task and «Программа» with F4"
start_with_task "$TRIMERKA_PROGRAM" "$work/tasks/classic.tmk"
focus_window "$main_window"
keys F4
program="$(wait_window '^Программа$')"
focus_window "$program"

# Puts a text into the program: through the clipboard, as xdotool cannot type Cyrillic reliably.
write_program() { # text
    printf '%s' "$1" | xclip -selection clipboard -i
    focus_window "$program"
    keys ctrl+a ctrl+v
}

# The whole step log as Ctrl+A and Ctrl+C in it copy it, into `log`. The click goes to the first row at
# another point each time: xdotool waits long for a pointer that is already where it is sent.
copies=0
copy_step_log() {
    copies=$((copies + 1))
    click "$main_window" $((300 + copies % 2 * 20)) $((client_top + 351))
    focus_window "$main_window"
    # A mark on the clipboard first, so that the copy is seen to arrive.
    printf 'nothing copied' | xclip -selection clipboard -i
    keys ctrl+a ctrl+c
    local i
    for ((i = 0; i < 40; i++)); do
        [ "$(clipboard)" != 'nothing copied' ] && break
        sleep 0.05
    done
    log="$(clipboard | tr -d '\r')"
}

step "a loop that solves the task runs with F9"
write_program 'нц пока Б <> 4 | пока в Б не 4 литра
  если Б = 0 то А - Б все
  Б - В
  если В = 3 то В - А все
кц
'
keys F9
completed="$(wait_window '^Задание выполнено$')"
focus_window "$completed"
keys Escape
wait_closed "$completed"

step "the step log equals the solution by hand"
solution="$(printf '%s\n' \
    $'А - Б\t3 ( 8 - 5 )\t5 ( 0 + 5 )\t0' \
    $'Б - В\t3\t2 ( 5 - 3 )\t3 ( 0 + 3 )' \
    $'В - А\t6 ( 3 + 3 )\t2\t0 ( 3 - 3 )' \
    $'Б - В\t6\t0 ( 2 - 2 )\t2 ( 0 + 2 )' \
    $'А - Б\t1 ( 6 - 5 )\t5 ( 0 + 5 )\t2' \
    $'Б - В\t1\t4 ( 5 - 1 )\t3 ( 2 + 1 )' \
    $'В - А\t4 ( 1 + 3 )\t4\t0 ( 3 - 3 )')"
copy_step_log
[ "$log" = "$solution" ] || fail "the step log reads:
$log"

step "a syntax error marks its line and runs nothing"
write_program 'А - Б
Б - В
Г - А
'
keys F9
sleep 0.5
copy_step_log
[ "$log" = "$solution" ] || fail "the program with an error changed the step log"
# The line with the error has the error's background.
import -window "$program" "$work/program.png"
marked="$(convert "$work/program.png" txt:- | grep -c '#FFBEBE' || true)"
[ "$marked" -gt 100 ] || fail "no line is marked as wrong"

step "Esc stops an endless loop"
write_program 'нц пока А = А
  А - Б
  Б - А
кц
'
keys F9
sleep 1
focus_window "$program"
keys Escape
sleep 0.3
copy_step_log
rows="$(wc -l <<<"$log")"
# At 0.3 s a step, a loop that went on would have written more rows by now.
sleep 0.8
copy_step_log
[ "$(wc -l <<<"$log")" -eq "$rows" ] || fail "the loop went on after «Стоп»"
[ "$rows" -ge 2 ] && [ "$rows" -lt 100 ] || fail "$rows rows after «Стоп»"
is_shown "$program" || fail "Esc closed the window instead of stopping the program"

step "Ctrl+S saves the program"
focus_window "$program"
keys ctrl+s
choose_file '^Сохранить программу$' "$work/tasks/loop.txt"
[ -f "$work/tasks/loop.txt" ] || fail "no program file was saved"
printf 'нц пока А = А\n  А - Б\n  Б - А\nкц\n' | cmp - "$work/tasks/loop.txt" ||
    fail "the saved program reads: $(cat "$work/tasks/loop.txt")"

quit_program
