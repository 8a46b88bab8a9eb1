cmake_minimum_required(VERSION 3.25)
# Installs the build tree into a fresh prefix and checks what a desktop needs: the program with its example
# tasks beside it, the menu entry pointing at them, the icon it names, the metainfo, and nothing else.
set(prefix ${BUILD_DIR}/packaging-test/install)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} RESULT_VARIABLE failed
                OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

set(required
    ${BINDIR}/trimerka
    ${DATADIR}/applications/${APP_ID}.desktop
    ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
    ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg)
file(GLOB examples RELATIVE ${SOURCE_DIR}/examples ${SOURCE_DIR}/examples/*.tmk)
foreach(task ${examples})
    list(APPEND required ${BINDIR}/${task})
endforeach()
foreach(path ${required})
    if(NOT EXISTS ${prefix}/${path})
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()
execute_process(COMMAND test -x ${prefix}/${BINDIR}/trimerka RESULT_VARIABLE not_executable)
if(not_executable)
    message(FATAL_ERROR "the installed program is not executable")
endif()

# Programs and tasks in the program folder, desktop files in their places; no headers, libraries or tests.
file(GLOB_RECURSE installed RELATIVE ${prefix} ${prefix}/*)
foreach(path ${installed})
    if(NOT path MATCHES "^(${BINDIR}/[^/]+|${DATADIR}/(applications|metainfo|icons/hicolor)/.+)$")
        message(FATAL_ERROR "unexpected file installed: ${path}")
    endif()
endforeach()

file(STRINGS ${prefix}/${DATADIR}/applications/${APP_ID}.desktop entry)
foreach(key "Exec=trimerka" "Icon=${APP_ID}" "Categories=Education;ComputerScience;" "Type=Application")
    if(NOT key IN_LIST entry)
        message(FATAL_ERROR "the menu entry lacks ${key}")
    endif()
endforeach()

# The metainfo's desktop id, icon and release agree with the installed tree.
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${prefix} RESULT_VARIABLE invalid
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(invalid)
        message(FATAL_ERROR "appstreamcli validate-tree:\n${report}")
    endif()
endif()
