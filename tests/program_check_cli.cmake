# trimerka-solve --check with a pupil's program: against one task, and against every task of a folder. The check
# each test runs is the one of tests/solver_cli.cmake.

if(CMAKE_SCRIPT_MODE_FILE OR NOT TARGET trimerka-solve)
    return()
endif()

set(program_examples ${PROJECT_SOURCE_DIR}/examples)
# A folder whose one task the loop example solves.
set(program_solved_folder ${CMAKE_CURRENT_BINARY_DIR}/program_solved_tasks)
file(COPY ${program_examples}/01_8-5-3.tmk DESTINATION ${program_solved_folder})

# name, task file or folder, program, expected exit code, two texts the output contains
function(trimerka_program_check_test name task program code text text2)
    add_test(NAME program_check_cli_${name}
             COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:trimerka-solve> "-DARGS=--check|${task}|${program}"
                     -DEXPECT_CODE=${code} "-DEXPECT_TEXT=${text}" "-DEXPECT_TEXT2=${text2}"
                     -P ${CMAKE_CURRENT_LIST_DIR}/solver_cli.cmake)
endfunction()

trimerka_program_check_test(loop_example ${program_examples}/01_8-5-3.tmk ${program_examples}/01_8-5-3.program.txt
                            0 "Решено за 7 шагов; кратчайшее решение — 7 шагов." "")
trimerka_program_check_test(unlimited_example ${program_examples}/02_unlimited-5-3.tmk
                            ${program_examples}/02_unlimited-5-3.program.txt 0
                            "Решено за 6 шагов; кратчайшее решение — 6 шагов." "")
trimerka_program_check_test(syntax_error ${program_examples}/01_8-5-3.tmk
                            ${CMAKE_CURRENT_LIST_DIR}/data/program_unclosed_loop.txt 1
                            "Строка 3: нет «кц» для «нц» из строки 2" "")
trimerka_program_check_test(folder_not_all_solved ${program_examples} ${program_examples}/01_8-5-3.program.txt 1
                            "01_8-5-3.tmk: Решено за 7 шагов" "Решено заданий: 2 из 6.")
trimerka_program_check_test(folder_all_solved ${program_solved_folder} ${program_examples}/01_8-5-3.program.txt 0
                            "Решено заданий: 1 из 1." "")
trimerka_program_check_test(folder_without_tasks ${CMAKE_CURRENT_LIST_DIR}/journeys
                            ${program_examples}/01_8-5-3.program.txt 2 "В папке нет файлов заданий .tmk." "")
trimerka_program_check_test(folder_with_unreadable_task ${CMAKE_CURRENT_LIST_DIR}/data
                            ${program_examples}/01_8-5-3.program.txt 2
                            "bad_krres.tmk: задание не читается: ''yes'' is not a valid integer value" "")
