#!/usr/bin/env bash
# A teacher opens «Конструктор заданий», types a capacity, saves the task as a new file and loads it back;
# «О программе» opens the About window; nothing of Qt's dialogs is left behind.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

task="$work/tasks/made.tmk"

start_program "$TRIMERKA_PROGRAM"

step "«Конструктор заданий» opens the constructor"
# The last item of the "Задание" menu, the only one that is enabled at the bottom without a task.
click "$main_window" 55 $((client_top / 2))
keys Up Return
constructor="$(wait_window '^Настройка параметров задания$')"
focus_window "$constructor"

step "typing capacity 8 for vessel А"
# The focus starts on "Бесконечный"; the height and then the capacity of А follow it.
keys Tab Tab ctrl+a
type_text 8

step "the colour chooser opens and is cancelled"
before="$(xdotool search --onlyvisible --name . | sort)"
click "$constructor" 187 76
chooser=""
for ((i = 0; i < 200; i++)); do
    chooser="$(comm -13 <(echo "$before") <(xdotool search --onlyvisible --name . | sort) | head -n 1)"
    [ -n "$chooser" ] && break
    sleep 0.05
done
[ -n "$chooser" ] || fail "the colour square opened no dialog"
focus_window "$chooser"
keys Escape
wait_closed "$chooser"

step "saving as a new file"
click "$constructor" 801 200
choose_file '^Сохранить задание' "$task"
[ -f "$task" ] || fail "no file was saved"
grep -qx 'saem=8' "$task" || fail "the saved file lacks saem=8: $(cat "$task")"

step "resetting, then loading the file back"
click "$constructor" 801 294
click "$constructor" 801 154
choose_file '^Выбрать задание' "$task"
click "$constructor" 180 191
keys ctrl+a ctrl+c
[ "$(clipboard)" = "8" ] || fail "the capacity of А reads back as \"$(clipboard)\""

step "closing the constructor"
click "$constructor" 801 441
wait_closed "$constructor"

step "«О программе» opens the About window"
click "$main_window" 120 $((client_top / 2))
keys Up Return
about="$(wait_window '^О программе$')"
focus_window "$about"
keys Escape
wait_closed "$about"

quit_program
expect_no_settings_left
