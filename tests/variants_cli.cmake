# Tests of the teacher's forms of trimerka-solve, --generate and --check. Included by tests/CMakeLists.txt;
# each test runs the check of solver_cli.cmake.

if(NOT TARGET trimerka-solve)
    return()
endif()

set(trimerka_variants_data ${CMAKE_CURRENT_LIST_DIR}/data)
set(trimerka_variants_out ${CMAKE_CURRENT_BINARY_DIR}/variants_cli)

# name, arguments joined by "|", expected exit code, two texts the output contains; then optionally
# CLEAN folder, TOUCH file, INPUT file, MISSING path.
function(trimerka_teacher_test name arguments code text text2)
    cmake_parse_arguments(PARSE_ARGV 5 opt "" "CLEAN;TOUCH;INPUT;MISSING" "")
    add_test(NAME solver_cli_${name}
             COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:trimerka-solve> "-DARGS=${arguments}"
                     -DEXPECT_CODE=${code} "-DEXPECT_TEXT=${text}" "-DEXPECT_TEXT2=${text2}" "-DCLEAN=${opt_CLEAN}"
                     "-DTOUCH=${opt_TOUCH}" "-DINPUT=${opt_INPUT}" "-DEXPECT_MISSING=${opt_MISSING}"
                     -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/solver_cli.cmake)
endfunction()

set(out ${trimerka_variants_out})
set(task ${trimerka_variants_data}/task_8-5-3.tmk)

trimerka_teacher_test(help_lists_every_form "--help" 0
                      "--generate N --steps K --out ПАПКА [--seed S] [--max-capacity C]"
                      "trimerka-solve --check ЗАДАНИЕ.tmk РЕШЕНИЕ.txt")
trimerka_teacher_test(generate_writes_a_set_and_its_key "--generate|3|--steps|7|--out|${out}/set|--seed|42" 0
                      "3 варианта; у каждого кратчайшее решение — 7 шагов; ёмкости до 20 литров"
                      "вариант-03.tmk |" CLEAN ${out}/set)
trimerka_teacher_test(generate_chooses_and_prints_a_seed
                      "--generate|2|--steps|4|--out|${out}/seedless|--unlimited|--no-pour-back" 0
                      "(выбрано случайно); тот же набор даст --seed" "сосуд А бесконечный, сливать в него нельзя"
                      CLEAN ${out}/seedless)
trimerka_teacher_test(generate_never_replaces_a_file "--generate|3|--steps|7|--out|${out}/taken" 2
                      "уже есть вариант-02.tmk" "ничего не записано" CLEAN ${out}/taken TOUCH
                      ${out}/taken/вариант-02.tmk MISSING ${out}/taken/вариант-01.tmk)
trimerka_teacher_test(generate_refuses_too_many_steps "--generate|2|--steps|30|--out|${out}/none" 2
                      "нет задач с кратчайшим решением ровно в 30 шагов"
                      "самое длинное кратчайшее решение здесь — 20 шагов" CLEAN ${out}/none MISSING ${out}/none)
trimerka_teacher_test(generate_refuses_an_unwritable_folder
                      "--generate|2|--steps|3|--out|${trimerka_variants_data}/task_8-5-3.tmk/set" 2
                      "«${trimerka_variants_data}/task_8-5-3.tmk» — файл, а не папка; ничего не записано."
                      "\nСправка: trimerka-solve --help")
# N = 999 is taken: the refusal comes from the name of its last file, before any search.
trimerka_teacher_test(generate_accepts_a_count_of_999 "--generate|999|--steps|3|--out|${out}/n999" 2
                      "уже есть вариант-999.tmk" "ничего не записано" CLEAN ${out}/n999 TOUCH ${out}/n999/вариант-999.tmk
                      MISSING ${out}/n999/вариант-001.tmk)
# The seed given is the one used: each seed gives its own first variant.
trimerka_teacher_test(generate_uses_the_seed_42 "--generate|3|--steps|7|--out|${out}/seed42|--seed|42" 0
                      "вариант-01.tmk | 20, 9, 11       | 20, 0, 0 | 16, 0, 4 |" "Зерно: 42; тот же набор даст --seed 42"
                      CLEAN ${out}/seed42)
trimerka_teacher_test(generate_uses_the_seed_43 "--generate|3|--steps|7|--out|${out}/seed43|--seed|43" 0
                      "вариант-01.tmk | 18, 7, 11       | 18, 0, 0 | 10, 0, 8 |" "Зерно: 43; тот же набор даст --seed 43"
                      CLEAN ${out}/seed43)

# Every refusal of a call: one sentence naming the argument and why, then the line that points to the help.
# Each row: the test's name, the arguments, "=", the sentence.
foreach(refusal IN ITEMS
        "count_of_zero|--generate|0|--steps|3|--out|${out}/bad=--generate: ожидается целое число от 1 до 999, а не «0»."
        "count_of_1000|--generate|1000|--steps|3|--out|${out}/bad=--generate: ожидается целое число от 1 до 999, а не «1000»."
        "steps_of_zero|--generate|2|--steps|0|--out|${out}/bad=--steps: ожидается целое число от 1, а не «0»."
        "steps_of_2_to_31|--generate|2|--steps|2147483648|--out|${out}/bad=--steps: «2147483648» — больше, чем шагов может быть у задания."
        "steps_missing|--generate|2|--out|${out}/bad=--steps: не указано, сколько шагов должно быть в кратчайшем решении."
        "capacity_of_zero|--generate|2|--steps|3|--out|${out}/bad|--max-capacity|0=--max-capacity: ожидается целое число от 1 до 99, а не «0»."
        "capacity_of_100|--generate|2|--steps|3|--out|${out}/bad|--max-capacity|100=--max-capacity: ожидается целое число от 1 до 99, а не «100»."
        "seed_of_2_to_64|--generate|2|--steps|3|--out|${out}/bad|--seed|18446744073709551616=--seed: ожидается целое число от 0 до 18446744073709551615, а не «18446744073709551616»."
        "seed_of_minus_one|--generate|2|--steps|3|--out|${out}/bad|--seed|-1=--seed: ожидается целое число от 0 до 18446744073709551615, а не «-1»."
        "no_pour_back_without_unlimited|--generate|2|--steps|3|--out|${out}/bad|--no-pour-back=--no-pour-back: действует только вместе с --unlimited."
        "out_missing|--generate|2|--steps|3=--out: не указана папка, куда записать набор."
        "value_missing|--generate|2|--out|${out}/bad|--steps=--steps: после ключа нужно значение."
        "option_twice|--generate|2|--steps|3|--steps|4|--out|${out}/bad=--steps: ключ указан дважды."
        "unknown_option|--generate|2|--steps|3|--out|${out}/bad|--bogus=«--bogus»: неизвестный ключ."
        "stray_argument|--generate|2|--steps|3|--out|${out}/bad|more=«more»: лишний аргумент; папку набора называет --out."
        "too_many_steps_at_once|--generate|2|--steps|101|--out|${out}/bad|--max-capacity|99=При ёмкостях до 99 литров нет задач с кратчайшим решением ровно в 101 шаг; самое длинное кратчайшее решение здесь — 100 шагов."
        "too_few_tasks|--generate|13|--steps|1|--out|${out}/bad|--max-capacity|1=При ёмкостях до 1 литра есть всего 12 задач с кратчайшим решением ровно в 1 шаг, а нужно 13; самое длинное кратчайшее решение здесь — 1 шаг."
        "generate_and_check|--generate|2|--check|${task}=--generate и --check: за один вызов делается что-то одно."
        "second_task_file|${task}|${task}=«${task}»: лишний путь; проверяется одно задание, «${task}»."
        "csv_without_check|--csv|${task}=--csv: действует только вместе с --check."
        "check_without_solution|--check|${task}=--check: после задания «${task}» нужен файл решения, несколько файлов или папка с ними."
        "check_without_task|--check=--check: не указан файл задания."
        "check_task_from_standard_input|--check|-|${task}=--check: задание не читается со стандартного ввода; «-» может стоять только вместо решения."
        "check_a_task_file_as_a_solution|--check|${task}|${trimerka_variants_data}/task_unsolvable.tmk=«${trimerka_variants_data}/task_unsolvable.tmk»: это файл задания, а после задания «${task}» ожидаются решения; задание проверяется одно."
        "check_standard_input_among_files|--check|${task}|-|${task}.txt=«-»: стандартный ввод проверяется только как единственное решение."
        "check_folder_without_solutions|--check|${task}|${trimerka_variants_data}/class_empty=«${trimerka_variants_data}/class_empty»: в папке нет файлов .txt.")
    string(FIND "${refusal}" "=" at)
    string(SUBSTRING "${refusal}" 0 ${at} call)
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${refusal}" ${at} -1 sentence)
    string(FIND "${call}" "|" bar)
    string(SUBSTRING "${call}" 0 ${bar} name)
    math(EXPR bar "${bar} + 1")
    string(SUBSTRING "${call}" ${bar} -1 arguments)
    trimerka_teacher_test(refuses_${name} "${arguments}" 2 "${sentence}\nСправка: trimerka-solve --help" "" MISSING
                          ${out}/bad)
endforeach()

trimerka_teacher_test(check_copied_log_is_solved "--check|${task}|${trimerka_variants_data}/solution_8-5-3_copied.txt"
                      0 "Решено за 7 шагов; кратчайшее решение — 7 шагов." "")
trimerka_teacher_test(check_retyped_windows_1251_from_standard_input "--check|${task}|-" 0
                      "Решено за 7 шагов; кратчайшее решение — 7 шагов." "" INPUT
                      ${trimerka_variants_data}/solution_8-5-3_retyped_cp1251.txt)
trimerka_teacher_test(check_edited_log "--check|${task}|${trimerka_variants_data}/solution_8-5-3_edited.txt" 1
                      "Строка 2: шаг 2, Б - В: в столбце сосуда Б записано «4 ( 5 - 1 )»"
                      "а исполнитель пишет «2 ( 5 - 3 )»; журнал изменён.")
trimerka_teacher_test(check_solution_of_another_task
                      "--check|${trimerka_variants_data}/task_unsolvable.tmk|${trimerka_variants_data}/solution_8-5-3_copied.txt"
                      1 "Строка 1: шаг 1, А - Б: в столбце сосуда А записано «3 ( 8 - 5 )»"
                      "а исполнитель пишет «2 ( 6 - 4 )»")
trimerka_teacher_test(check_file_that_is_not_a_task
                      "--check|${trimerka_variants_data}/bad_krres.tmk|${trimerka_variants_data}/solution_8-5-3_copied.txt"
                      2 "bad_krres.tmk: ''yes'' is not a valid integer value" "")
# A file that cannot be read: the cause, one sentence each; a task file as the window reports it, then why.
trimerka_teacher_test(check_missing_solution "--check|${task}|${out}/no_such_solution.txt" 2
                      "no_such_solution.txt: нет такого файла." "")
trimerka_teacher_test(check_a_device_as_solution "--check|${task}|/dev/null" 2
                      "/dev/null: не текст: это устройство или канал." "")
trimerka_teacher_test(check_binary_solution "--check|${task}|${trimerka_variants_data}/class_8-5-3/05 Кузнецов.txt" 2
                      "05 Кузнецов.txt: не текст: в нём есть нулевые байты." "")
trimerka_teacher_test(check_missing_task "--check|${out}/no_such_task.tmk|-" 2
                      "no_such_task.tmk: '''' is not a valid integer value\n"
                      "no_such_task.tmk: нет такого файла.")
# A folder in the task's place is a folder of tasks for one program, read as a solution is.
trimerka_teacher_test(check_a_folder_of_tasks_with_a_missing_program
                      "--check|${trimerka_variants_data}|${out}/no_such_program.txt" 2 "no_such_program.txt: нет такого файла." "")

# A class at once: a folder of five solutions, and files one by one; the exit code says the worst.
set(class ${trimerka_variants_data}/class_8-5-3)
trimerka_teacher_test(check_a_class_folder "--check|${task}|${class}" 2
                      "03 Сидоров.txt  | не решено   | 2     | 7          | Строка 2: после последней команды"
                      "2 решено, 2 не решено, 1 не читается")
trimerka_teacher_test(check_a_class_as_csv "--check|--csv|${task}|${class}" 2
                      "Файл,Итог,Шагов,Кратчайшее,Первая ошибка\r\n01 Иванов.txt,решено,7,7,\r\n"
                      "05 Кузнецов.txt,не читается,—,7,не текст: в нём есть нулевые байты\r\n")
trimerka_teacher_test(check_several_solved_files "--check|${task}|${class}/01 Иванов.txt|${class}/02 Петров.txt" 0
                      "02 Петров.txt | решено | 7     | 7" "2 решено, 0 не решено, 0 не читается")
trimerka_teacher_test(check_several_files_one_not_solved
                      "--check|${task}|${class}/01 Иванов.txt|${class}/03 Сидоров.txt" 1
                      "03 Сидоров.txt | не решено | 2" "1 решено, 1 не решено, 0 не читается")
trimerka_teacher_test(check_a_log_through_a_spreadsheet "--check|${task}|${class}/02 Петров.txt" 0
                      "Решено за 7 шагов; кратчайшее решение — 7 шагов." "")
