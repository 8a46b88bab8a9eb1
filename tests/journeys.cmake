# Journeys through the real program: each starts the built trimerka (and once the installed one) on a
# private virtual display with a private home, drives it as a user does with xdotool, and checks what the
# user sees. Skipped when the X tools are missing; not built under the sanitizers, where the program starts
# too slowly to be driven reliably.
if(NOT TRIMERKA_JOURNEYS OR NOT TARGET trimerka OR NOT TARGET tool_screenshots)
    return()
endif()

find_program(TRIMERKA_BASH bash)
if(NOT TRIMERKA_BASH)
    return()
endif()

set(trimerka_journey_dir ${CMAKE_CURRENT_LIST_DIR}/journeys)
# A failed journey leaves its last screen here.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/journeys)

function(trimerka_journey name script)
    add_test(NAME journey_${name} COMMAND ${TRIMERKA_BASH} ${trimerka_journey_dir}/${script} ${ARGN}
             WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/journeys)
    set_tests_properties(journey_${name} PROPERTIES
        ENVIRONMENT "TRIMERKA_PROGRAM=$<TARGET_FILE:trimerka>;TRIMERKA_SCREENSHOTS=$<TARGET_FILE:tool_screenshots>;TRIMERKA_TEST_DATA=${CMAKE_CURRENT_LIST_DIR}/data;TRIMERKA_DESKTOP_ENTRY=${TRIMERKA_DESKTOP_FILE}"
        SKIP_RETURN_CODE 77 TIMEOUT 90 LABELS journey)
endfunction()

trimerka_journey(start_up start_up.sh)
trimerka_journey(start_up_installed start_up.sh --install ${PROJECT_BINARY_DIR} ${CMAKE_INSTALL_BINDIR})
trimerka_journey(pupil_solves_the_classic_task pupil_solves_the_classic_task.sh)
trimerka_journey(pupil_solves_by_keys pupil_solves_by_keys.sh)
trimerka_journey(step_log_row_to_clipboard step_log_row_to_clipboard.sh)
trimerka_journey(teacher_saves_a_task teacher_saves_a_task.sh)
trimerka_journey(malformed_task_reports_the_error malformed_task_reports_the_error.sh)
trimerka_journey(pupil_runs_a_program pupil_runs_a_program.sh)
