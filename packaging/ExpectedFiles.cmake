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
    file(GLOB examples RELATIVE ${SOURCE_DIR}/examples ${SOURCE_DIR}/examples/*.tmk)
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
