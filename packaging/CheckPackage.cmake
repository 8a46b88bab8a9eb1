cmake_minimum_required(VERSION 3.25)
# Builds the DEB package from the built tree and checks it as Debian would: lintian finds no error, the control
# fields say what the package is and what it needs, and it holds exactly the installed files, the programs
# stripped and without RPATH.
include(${CMAKE_CURRENT_LIST_DIR}/PackagingChecks.cmake)
set(out ${BUILD_DIR}/packaging-test/deb)
trimerka_build_package(DEB ${out} "trimerka_${PACKAGE_VERSION}_[a-z0-9]+\\.deb" debs)

function(field name out_var)
    execute_process(COMMAND ${DPKG_DEB} --field ${debs} ${name} OUTPUT_VARIABLE value
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

field(Package package)
field(Version version)
field(Section section)
field(Depends depends)
field(Maintainer maintainer)
field(Description description)
if(NOT package STREQUAL "trimerka" OR NOT version STREQUAL PACKAGE_VERSION OR NOT section STREQUAL "education")
    message(FATAL_ERROR "control fields: Package '${package}', Version '${version}', Section '${section}'")
endif()
if(maintainer STREQUAL "" OR description STREQUAL "")
    message(FATAL_ERROR "control fields: Maintainer '${maintainer}', Description '${description}'")
endif()
# The libraries the programs link, as dpkg-shlibdeps finds them, and by hand the windowing plug-ins, Qt's
# Russian translation and the Wine fonts.
string(REPLACE ", " ";" dependencies "${depends}")
list(TRANSFORM dependencies REPLACE " .*" "")
foreach(needed libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 qt6-qpa-plugins
               qt6-translations-l10n fonts-wine)
    if(NOT needed IN_LIST dependencies)
        message(FATAL_ERROR "Depends lacks ${needed}: ${depends}")
    endif()
endforeach()

# The files of the installed tree under /usr, nothing else.
set(unpacked ${out}/unpacked)
execute_process(COMMAND ${DPKG_DEB} --extract ${debs} ${unpacked} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "dpkg-deb --extract failed")
endif()
trimerka_expected_files(expected)
list(TRANSFORM expected PREPEND "usr/")
file(GLOB_RECURSE packed LIST_DIRECTORIES false RELATIVE ${unpacked} ${unpacked}/*)
list(SORT packed)
trimerka_expect_files("the DEB package" "${packed}" "${expected}")
foreach(program trimerka trimerka-solve)
    execute_process(COMMAND ${READELF} --section-headers --dynamic ${unpacked}/usr/${BINDIR}/${program}
                    OUTPUT_VARIABLE sections)
    if(sections MATCHES "\\.symtab")
        message(FATAL_ERROR "${program} is not stripped")
    endif()
    if(sections MATCHES "RPATH|RUNPATH")
        message(FATAL_ERROR "${program} carries a library path")
    endif()
endforeach()

# Debian's own judgement. Warnings are shown in the test's output; errors fail the test.
if(LINTIAN)
    execute_process(COMMAND ${LINTIAN} --fail-on error --pedantic ${debs} RESULT_VARIABLE failed
                    OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(failed)
        message(FATAL_ERROR "lintian:\n${report}")
    endif()
    message(STATUS "lintian:\n${report}")
endif()
