# What the checks of the installed tree and of the packages share.

# The files an install puts under its prefix, relative to it, sorted: the list that the checks of the installed
# tree and of both packages hold them to. Needs BINDIR, DATADIR, MANDIR, DOCDIR, APP_ID, ICON_SIZES (separated
# by commas) and SOURCE_DIR.
function(trimerka_expected_files out_var)
    set(files
        ${BINDIR}/trimerka
        ${BINDIR}/trimerka-solve
        ${DATADIR}/applications/${APP_ID}.desktop
        ${DATADIR}/metainfo/${APP_ID}.metainfo.xml
        ${DATADIR}/mime/packages/${APP_ID}.xml
        ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
        ${MANDIR}/man1/trimerka.1.gz
        ${MANDIR}/man1/trimerka-solve.1.gz
        ${MANDIR}/ru/man1/trimerka.1.gz
        ${MANDIR}/ru/man1/trimerka-solve.1.gz
        ${DOCDIR}/copyright
        ${DOCDIR}/changelog.Debian.gz)
    string(REPLACE "," ";" sizes "${ICON_SIZES}")
    foreach(size ${sizes})
        list(APPEND files ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    endforeach()
    file(GLOB examples RELATIVE ${SOURCE_DIR}/examples ${SOURCE_DIR}/examples/*.tmk
         ${SOURCE_DIR}/examples/*.program.txt)
    foreach(task ${examples})
        list(APPEND files ${DATADIR}/trimerka/examples/${task})
    endforeach()
    list(SORT files)
    set(${out_var} ${files} PARENT_SCOPE)
endfunction()

# Fails with both lists when the files found are not the files expected.
function(trimerka_expect_files what found expected)
    if(NOT found STREQUAL expected)
        set(missing ${expected})
        list(REMOVE_ITEM missing ${found})
        set(extra ${found})
        list(REMOVE_ITEM extra ${expected})
        string(REPLACE ";" "\n  " missing "${missing}")
        string(REPLACE ";" "\n  " extra "${extra}")
        message(FATAL_ERROR "${what}: files missing:\n  ${missing}\nfiles not expected:\n  ${extra}")
    endif()
endfunction()

# Builds one package (DEB or RPM) from the built tree into a fresh folder and gives its path. An empty
# CPACK_INSTALL_CMAKE_PROJECTS with the install script in its place makes cpack install what is built instead of
# building the whole project first; the script then strips as cpack itself does under CPACK_STRIP_FILES.
# Needs CPACK and BUILD_DIR.
function(trimerka_build_package generator out pattern out_var)
    include(${BUILD_DIR}/CPackConfig.cmake)
    file(REMOVE_RECURSE ${out})
    execute_process(COMMAND ${CPACK} --config ${BUILD_DIR}/CPackConfig.cmake -G ${generator} -B ${out}
                            -D CPACK_INSTALL_CMAKE_PROJECTS= -D CPACK_INSTALL_PREFIX=/usr
                            -D CPACK_INSTALL_SCRIPTS=${BUILD_DIR}/cmake_install.cmake
                            -D CMAKE_INSTALL_DO_STRIP=${CPACK_STRIP_FILES}
                    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
    if(failed)
        message(FATAL_ERROR "cpack -G ${generator} failed:\n${log}")
    endif()
    file(GLOB packages ${out}/*)
    list(FILTER packages EXCLUDE REGEX "/_CPack_Packages$")
    if(NOT packages MATCHES "^${out}/${pattern}$")
        message(FATAL_ERROR "expected the one package ${pattern}, found: ${packages}")
    endif()
    set(${out_var} ${packages} PARENT_SCOPE)
endfunction()
