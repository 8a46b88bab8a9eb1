cmake_minimum_required(VERSION 3.25)
# Installs the build tree into a fresh prefix and checks what a desktop needs: the two programs without RPATH,
# the example tasks under share/trimerka/examples, the menu entry opening task files, the task file type, the
# icon in every size it names, the manual pages, the licence and change log, the metainfo, and nothing else.
# Then the desktop's MIME database, built from the prefix, gives task files their type.
set(prefix ${BUILD_DIR}/packaging-test/install)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix} RESULT_VARIABLE failed
                OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed: ${failed}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/PackagingChecks.cmake)
set(mime_file ${DATADIR}/mime/packages/${APP_ID}.xml)
string(REPLACE "," ";" icon_sizes "${ICON_SIZES}")

# Exactly the expected files: programs alone in bin/, data under share/; no headers, libraries or tests.
trimerka_expected_files(expected)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${prefix} ${prefix}/*)
list(SORT installed)
trimerka_expect_files("the installed tree" "${installed}" "${expected}")
# The examples folder, where the open dialogs start, holds tasks and example programs and nothing of the build.
foreach(file ${installed})
    if(file MATCHES "/trimerka/examples/" AND NOT file MATCHES "\\.(tmk|program\\.txt)$")
        message(FATAL_ERROR "the examples folder holds ${file}, which is neither a task nor a program")
    endif()
endforeach()

foreach(program trimerka trimerka-solve)
    execute_process(COMMAND test -x ${prefix}/${BINDIR}/${program} RESULT_VARIABLE not_executable)
    if(not_executable)
        message(FATAL_ERROR "the installed ${program} is not executable")
    endif()
    execute_process(COMMAND ${READELF} --dynamic ${prefix}/${BINDIR}/${program} OUTPUT_VARIABLE dynamic)
    if(dynamic MATCHES "RPATH|RUNPATH")
        message(FATAL_ERROR "the installed ${program} carries a library path:\n${dynamic}")
    endif()
endforeach()

# Each PNG icon is drawn at the size of the folder it lies in (width and height from the PNG header).
foreach(size ${icon_sizes})
    file(READ ${prefix}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT header MATCHES "^89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "the ${size}x${size} icon is not a PNG of that size (${width}x${height})")
    endif()
endforeach()

# The menu entry opens the file it is given, offers itself for task files and names the running window.
file(STRINGS ${prefix}/${DATADIR}/applications/${APP_ID}.desktop entry)
foreach(key "Exec=trimerka %f" "Icon=${APP_ID}" "Categories=Education;ComputerScience;" "Type=Application"
            "MimeType=${MIME_TYPE};" "StartupWMClass=${WINDOW_CLASS}")
    if(NOT key IN_LIST entry)
        message(FATAL_ERROR "the menu entry lacks ${key}")
    endif()
endforeach()

# The type of task files: a plain text with a Russian and an English name and the program's icon.
file(READ ${prefix}/${mime_file} mime)
foreach(part "<mime-type type=\"${MIME_TYPE}\">" "<glob pattern=\"*.tmk\"/>" "<sub-class-of type=\"text/plain\"/>"
             "<icon name=\"${APP_ID}\"/>" "<comment>" "<comment xml:lang=\"ru\">")
    string(FIND "${mime}" "${part}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the task file type lacks ${part}:\n${mime}")
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

# The desktop's MIME database built from the prefix (as the package's trigger builds it from /usr) makes a
# .tmk file a task file for the file manager.
if(UPDATE_MIME_DATABASE AND GIO)
    execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${prefix}/${DATADIR}/mime RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "update-mime-database failed: ${failed}")
    endif()
    set(task ${BUILD_DIR}/packaging-test/урок.tmk)
    file(WRITE ${task} "[trimerka]\nksz=0\nzs0=Урок\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_HOME=${BUILD_DIR}/packaging-test/no-user-data
                            XDG_DATA_DIRS=${prefix}/${DATADIR}:/usr/share
                            ${GIO} info --attributes=standard::content-type ${task}
                    OUTPUT_VARIABLE info ERROR_VARIABLE info)
    if(NOT info MATCHES "standard::content-type: ${MIME_TYPE}\n")
        message(FATAL_ERROR "a .tmk file is not taken for ${MIME_TYPE}:\n${info}")
    endif()
endif()
