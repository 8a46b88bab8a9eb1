# Tests of the command-line tool trimerka-solve. Included by tests/CMakeLists.txt, this file adds the tests;
# run with -P, it is the check each test runs: the tool's exit code and a text its output must contain.
# The teacher's forms (tests/variants_cli.cmake) pass their arguments as ARGS, joined by "|", and may have a
# folder cleared (CLEAN), a file put (TOUCH), standard input (INPUT) and a path that must stay missing
# (EXPECT_MISSING).

if(CMAKE_SCRIPT_MODE_FILE)
    set(arguments ${OPTION} ${TASK})
    if(ARGS)
        string(REPLACE "|" ";" arguments "${ARGS}")
    endif()
    if(CLEAN)
        file(REMOVE_RECURSE "${CLEAN}")
    endif()
    if(TOUCH)
        file(WRITE "${TOUCH}" "not a variant\n")
    endif()
    set(input)
    if(INPUT)
        set(input INPUT_FILE ${INPUT})
    endif()
    execute_process(COMMAND ${PROGRAM} ${arguments} ${input} RESULT_VARIABLE code OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT code STREQUAL EXPECT_CODE)
        message(FATAL_ERROR "exit code ${code}, expected ${EXPECT_CODE}\n${out}${err}")
    endif()
    foreach(text IN ITEMS "${EXPECT_TEXT}" "${EXPECT_TEXT2}")
        string(FIND "${out}${err}" "${text}" found)
        if(found EQUAL -1)
            message(FATAL_ERROR "output lacks \"${text}\"\n${out}${err}")
        endif()
    endforeach()
    if(EXPECT_MISSING AND EXISTS "${EXPECT_MISSING}")
        message(FATAL_ERROR "${EXPECT_MISSING} exists")
    endif()
    return()
endif()

if(NOT TARGET trimerka-solve)
    return()
endif()

set(trimerka_cli_data ${CMAKE_CURRENT_LIST_DIR}/data)

# name, file, option, expected exit code, two texts the output contains
function(trimerka_solve_test name task option code text text2)
    add_test(NAME solver_cli_${name}
             COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:trimerka-solve> -DTASK=${task} -DOPTION=${option}
                     -DEXPECT_CODE=${code} "-DEXPECT_TEXT=${text}" "-DEXPECT_TEXT2=${text2}"
                     -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE})
endfunction()

trimerka_solve_test(good_file ${trimerka_cli_data}/task_8-5-3.tmk "" 0 "Кратчайшее решение: 7 шагов"
                    "7 | В - А   | 4 ( 1 + 3 ) | 4           | 0 ( 3 - 3 )")
trimerka_solve_test(all_states ${trimerka_cli_data}/task_8-5-3.tmk --all 0 "Достижимых состояний: 16"
                    "7     | 4 | 1 | 3")
trimerka_solve_test(malformed_file ${trimerka_cli_data}/bad_krres.tmk "" 2 "bad_krres.tmk: ''yes'' is not a valid integer value"
                    "bad_krres.tmk")
trimerka_solve_test(missing_file ${trimerka_cli_data}/no_such_task.tmk "" 2 "'''' is not a valid integer value"
                    "no_such_task.tmk")
trimerka_solve_test(windows_1251_file ${trimerka_cli_data}/task_cp1251.tmk "" 0
                    "Условие: Отмерьте 4 литра, пользуясь сосудами в 8, 5 и 3 литра." "Кратчайшее решение: 7 шагов")
trimerka_solve_test(unsolvable_file ${trimerka_cli_data}/task_unsolvable.tmk "" 1 "Задание не имеет решения"
                    "Достижимых состояний: 6")
trimerka_solve_test(no_arguments "" "" 2 "Использование: trimerka-solve" "ФАЙЛ.tmk")
