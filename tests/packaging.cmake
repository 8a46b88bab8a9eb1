# Desktop integration: the menu entry and the metadata validate, `cmake --install` yields a complete tree that
# gives task files their type, the DEB package passes lintian, and the RPM package holds the same files, needs
# only libraries, passes rpmlint and runs once unpacked.
if(NOT DEFINED TRIMERKA_DESKTOP_FILE)
    return()
endif()

find_program(TRIMERKA_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(TRIMERKA_APPSTREAMCLI appstreamcli)
find_program(TRIMERKA_DPKG_DEB dpkg-deb)
find_program(TRIMERKA_LINTIAN lintian)
find_program(TRIMERKA_RPM rpm)
find_program(TRIMERKA_RPMLINT rpmlint)
find_program(TRIMERKA_UPDATE_MIME_DATABASE update-mime-database)
find_program(TRIMERKA_GIO gio)

if(TRIMERKA_DESKTOP_FILE_VALIDATE)
    add_test(NAME packaging_desktop_entry_validates
             COMMAND ${TRIMERKA_DESKTOP_FILE_VALIDATE} ${TRIMERKA_DESKTOP_FILE})
endif()
if(TRIMERKA_APPSTREAMCLI)
    add_test(NAME packaging_metainfo_validates
             COMMAND ${TRIMERKA_APPSTREAMCLI} validate --no-net ${TRIMERKA_METAINFO_FILE})
endif()

string(REPLACE ";" "," trimerka_icon_sizes "${TRIMERKA_ICON_SIZES}")
set(trimerka_packaging_args
    -DBUILD_DIR=${PROJECT_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DAPP_ID=${TRIMERKA_APP_ID}
    -DBINDIR=${CMAKE_INSTALL_BINDIR} -DDATADIR=${CMAKE_INSTALL_DATADIR} -DMANDIR=${CMAKE_INSTALL_MANDIR}
    -DDOCDIR=${CMAKE_INSTALL_DOCDIR} -DICON_SIZES=${trimerka_icon_sizes} -DMIME_TYPE=${TRIMERKA_MIME_TYPE}
    -DWINDOW_CLASS=${TRIMERKA_WINDOW_CLASS} -DVERSION=${PROJECT_VERSION}
    -DPACKAGE_VERSION=${TRIMERKA_PACKAGE_VERSION} -DREADELF=${CMAKE_READELF}
    -DAPPSTREAMCLI=${TRIMERKA_APPSTREAMCLI} -DUPDATE_MIME_DATABASE=${TRIMERKA_UPDATE_MIME_DATABASE}
    -DGIO=${TRIMERKA_GIO} -DDPKG_DEB=${TRIMERKA_DPKG_DEB} -DLINTIAN=${TRIMERKA_LINTIAN} -DRPM=${TRIMERKA_RPM}
    -DRPMLINT=${TRIMERKA_RPMLINT} -DCPACK=${CMAKE_CPACK_COMMAND})
add_test(NAME packaging_install_tree
         COMMAND ${CMAKE_COMMAND} ${trimerka_packaging_args} -P ${PROJECT_SOURCE_DIR}/packaging/CheckInstall.cmake)
if(TRIMERKA_DPKG_DEB)
    add_test(NAME packaging_deb_package
             COMMAND ${CMAKE_COMMAND} ${trimerka_packaging_args} -P ${PROJECT_SOURCE_DIR}/packaging/CheckPackage.cmake)
    set_tests_properties(packaging_deb_package PROPERTIES TIMEOUT 300 FIXTURES_SETUP trimerka_deb)
    if(TRIMERKA_RPM AND TRIMERKA_RPMBUILD)
        # Compares its file list with the package the DEB test leaves behind.
        add_test(NAME packaging_rpm_package
                 COMMAND ${CMAKE_COMMAND} ${trimerka_packaging_args} -P ${PROJECT_SOURCE_DIR}/packaging/CheckRpm.cmake)
        set_tests_properties(packaging_rpm_package PROPERTIES TIMEOUT 300 FIXTURES_REQUIRED trimerka_deb)
    endif()
endif()
