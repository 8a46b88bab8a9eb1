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
trimerka_teacher_test(generate_refuses_a_capacity_above_99
                      "--generate|2|--steps|3|--out|${out}/bad|--max-capacity|100" 2 "Использование:" "--generate N"
                      CLEAN ${out}/bad MISSING ${out}/bad)
trimerka_teacher_test(generate_refuses_no_pour_back_without_unlimited
                      "--generate|2|--steps|3|--out|${out}/bad|--no-pour-back" 2 "Использование:" "--generate N"
                      CLEAN ${out}/bad MISSING ${out}/bad)
trimerka_teacher_test(generate_refuses_a_count_of_zero "--generate|0|--steps|3|--out|${out}/bad" 2
                      "Использование:" "--generate N" CLEAN ${out}/bad MISSING ${out}/bad)
trimerka_teacher_test(generate_refuses_an_unwritable_folder
                      "--generate|2|--steps|3|--out|${trimerka_variants_data}/task_8-5-3.tmk/set" 2
                      "Не удаётся записать файлы в папку" "Использование:")

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
trimerka_teacher_test(check_missing_solution "--check|${task}|${out}/no_such_solution.txt" 2
                      "no_such_solution.txt: файл решения не читается" "")
trimerka_teacher_test(check_missing_task "--check|${out}/no_such_task.tmk|-" 2
                      "no_such_task.tmk: файл задания не читается" "")
