# Desktop integration: the menu entry and the metadata validate, `cmake --install` yields a complete tree, and
# the DEB package carries its control fields and files.
if(NOT DEFINED TRIMERKA_DESKTOP_FILE)
    return()
endif()

find_program(TRIMERKA_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(TRIMERKA_APPSTREAMCLI appstreamcli)
find_program(TRIMERKA_DPKG_DEB dpkg-deb)

if(TRIMERKA_DESKTOP_FILE_VALIDATE)
    add_test(NAME packaging_desktop_entry_validates
             COMMAND ${TRIMERKA_DESKTOP_FILE_VALIDATE} ${TRIMERKA_DESKTOP_FILE})
endif()
if(TRIMERKA_APPSTREAMCLI)
    add_test(NAME packaging_metainfo_validates
             COMMAND ${TRIMERKA_APPSTREAMCLI} validate --no-net ${TRIMERKA_METAINFO_FILE})
endif()

set(trimerka_packaging_args
    -DBUILD_DIR=${PROJECT_BINARY_DIR} -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DAPP_ID=${TRIMERKA_APP_ID}
    -DBINDIR=${CMAKE_INSTALL_BINDIR} -DDATADIR=${CMAKE_INSTALL_DATADIR} -DVERSION=${PROJECT_VERSION}
    -DAPPSTREAMCLI=${TRIMERKA_APPSTREAMCLI} -DDPKG_DEB=${TRIMERKA_DPKG_DEB})
add_test(NAME packaging_install_tree
         COMMAND ${CMAKE_COMMAND} ${trimerka_packaging_args} -P ${PROJECT_SOURCE_DIR}/packaging/CheckInstall.cmake)
if(TRIMERKA_DPKG_DEB)
    add_test(NAME packaging_deb_package
             COMMAND ${CMAKE_COMMAND} ${trimerka_packaging_args} -DCPACK=${CMAKE_CPACK_COMMAND}
                     -P ${PROJECT_SOURCE_DIR}/packaging/CheckPackage.cmake)
    set_tests_properties(packaging_deb_package PROPERTIES TIMEOUT 300)
endif()
