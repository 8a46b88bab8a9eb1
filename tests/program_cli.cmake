# The program's own command line, run as a user runs it: --help and --version answer and end, an unknown option
# ends with the usage on the error output. Included by tests/CMakeLists.txt, this file adds the tests; run
# with -P, it is the check each test runs.

if(CMAKE_SCRIPT_MODE_FILE)
    execute_process(COMMAND ${PROGRAM} ${OPTION} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT code STREQUAL EXPECT_CODE)
        message(FATAL_ERROR "exit code ${code}, expected ${EXPECT_CODE}\n${out}${err}")
    endif()
    string(FIND "${${STREAM}}" "${EXPECT_TEXT}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the ${STREAM} output lacks \"${EXPECT_TEXT}\"\nout: ${out}\nerr: ${err}")
    endif()
    return()
endif()

if(NOT TARGET trimerka)
    return()
endif()

# name, option, expected exit code, the output (out or err), a text it contains and the environment
function(trimerka_program_test name option code stream text environment)
    add_test(NAME program_cli_${name}
             COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:trimerka> -DOPTION=${option} -DEXPECT_CODE=${code}
                     -DSTREAM=${stream} "-DEXPECT_TEXT=${text}" -P ${CMAKE_CURRENT_FUNCTION_LIST_FILE})
    set_tests_properties(program_cli_${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

# The help and the version need no display: the X11 platform with no display to reach would abort.
set(no_display "QT_QPA_PLATFORM=xcb;DISPLAY=;WAYLAND_DISPLAY=")
trimerka_program_test(version --version 0 out "Исполнитель «Тримерка», версия ${PROJECT_VERSION}" "${no_display}")
trimerka_program_test(help --help 0 out "Использование: trimerka [ФАЙЛ.tmk]" "${no_display}")
trimerka_program_test(unknown_option --bogus 2 err "Использование: trimerka [ФАЙЛ.tmk]" QT_QPA_PLATFORM=offscreen)
