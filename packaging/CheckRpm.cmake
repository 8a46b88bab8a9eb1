cmake_minimum_required(VERSION 3.25)
# Builds the RPM package from the built tree, as CheckPackage.cmake builds the DEB, and checks it as an RPM
# distribution would: the same files as the DEB, requirements that are library sonames rather than Debian
# package names, the Russian Qt translation only recommended, rpmlint without errors, and the package unpacked
# into a scratch root runs against the system's libraries.
include(${CMAKE_CURRENT_LIST_DIR}/PackagingChecks.cmake)
include(${BUILD_DIR}/CPackConfig.cmake)
set(out ${BUILD_DIR}/packaging-test/rpm)
trimerka_build_package(RPM ${out} "trimerka-${PACKAGE_VERSION}\\.[a-z0-9_]+\\.rpm" rpms)

function(query out_var)
    execute_process(COMMAND ${RPM} --query --package ${ARGN} ${rpms} RESULT_VARIABLE failed OUTPUT_VARIABLE value
                    ERROR_VARIABLE error)
    if(failed)
        message(FATAL_ERROR "rpm --query ${ARGN} failed:\n${error}")
    endif()
    string(REGEX REPLACE "\n$" "" value "${value}")
    string(REPLACE "\n" ";" value "${value}")
    set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

# The same files in the same places as the DEB that the DEB test built (folders aside, which each package
# manager lists its own way).
query(listed --queryformat "[%{FILEMODES:perms} %{FILENAMES}\n]")
set(files "")
foreach(entry ${listed})
    if(NOT entry MATCHES "^d")
        string(REGEX REPLACE "^[^ ]+ /" "" path "${entry}")
        list(APPEND files ${path})
    endif()
endforeach()
list(SORT files)
file(GLOB debs ${BUILD_DIR}/packaging-test/deb/*.deb)
if(NOT debs)
    message(FATAL_ERROR "no DEB package to compare with: the DEB test has not run")
endif()
execute_process(COMMAND ${DPKG_DEB} --contents ${debs} OUTPUT_VARIABLE contents)
string(REPLACE "\n" ";" contents "${contents}")
set(deb_files "")
foreach(entry ${contents})
    if(entry MATCHES "^[^d].* \\./(.+)$")
        list(APPEND deb_files ${CMAKE_MATCH_1})
    endif()
endforeach()
list(SORT deb_files)
trimerka_expect_files("the RPM package, against the DEB" "${files}" "${deb_files}")

# Requirements: sonames (Qt 6 Widgets among them) and rpm's own capabilities, never a package name.
query(requires --requires)
if(NOT "libQt6Widgets.so.6()(64bit)" IN_LIST requires)
    message(FATAL_ERROR "the requirements lack Qt 6 Widgets:\n${requires}")
endif()
foreach(requirement ${requires})
    if(NOT requirement MATCHES "^(lib[^ ]+\\.so[.0-9]*\\(|rpmlib\\(|rtld\\()")
        message(FATAL_ERROR "a requirement that is not a soname: ${requirement}")
    endif()
endforeach()
# The translation is a weak dependency, under the names RPM distributions give it, not Debian's.
query(recommends --recommends)
if(NOT recommends MATCHES "qt6-q?t?translations" OR recommends MATCHES "l10n|fonts-wine|qpa")
    message(FATAL_ERROR "recommendations: ${recommends}")
endif()
query(summary --queryformat "%{SUMMARY}\n%{LICENSE}\n%{VERSION}-%{RELEASE}")
if(NOT summary STREQUAL "${CPACK_PACKAGE_DESCRIPTION_SUMMARY};${CPACK_RPM_PACKAGE_LICENSE};${PACKAGE_VERSION}")
    message(FATAL_ERROR "summary, licence and version: ${summary}")
endif()

# rpmlint, told that manual pages are compressed with gzip and that signing is the publisher's business.
if(RPMLINT)
    execute_process(COMMAND ${RPMLINT} --config ${SOURCE_DIR}/packaging/rpmlint.toml ${rpms}
                    RESULT_VARIABLE failed OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(failed OR NOT report MATCHES " 0 errors")
        message(FATAL_ERROR "rpmlint:\n${report}")
    endif()
    message(STATUS "rpmlint:\n${report}")
endif()

# Unpacked into a scratch root without its dependencies, the programs run against the system's libraries.
set(root ${out}/root)
execute_process(COMMAND ${RPM} --install --nodeps --root ${root} --dbpath ${root}/db ${rpms}
                RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
    message(FATAL_ERROR "rpm --install failed:\n${log}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${root}/usr/bin/trimerka --version
                RESULT_VARIABLE failed OUTPUT_VARIABLE version ERROR_VARIABLE error)
if(failed OR NOT version MATCHES "${VERSION}\n$")
    message(FATAL_ERROR "the unpacked trimerka --version: ${failed}\n${version}${error}")
endif()
execute_process(COMMAND ${root}/usr/bin/trimerka-solve ${root}/usr/share/trimerka/examples/01_8-5-3.tmk
                RESULT_VARIABLE failed OUTPUT_VARIABLE solution ERROR_VARIABLE error)
if(failed OR NOT solution MATCHES "Кратчайшее решение: 7 шагов")
    message(FATAL_ERROR "the unpacked trimerka-solve on an unpacked example: ${failed}\n${solution}${error}")
endif()
