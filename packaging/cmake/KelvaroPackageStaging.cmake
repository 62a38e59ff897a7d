# Runs in CPack after it has installed the package's files into its staging
# folder, before it makes the package: strips the program as dh_strip does,
# and warns when the maintainer is still the placeholder without a real
# address (lintian's bogus-mail-host). A package below any prefix but /usr
# is refused: Debian packages never install into /usr/local.
if(NOT CPACK_PACKAGING_INSTALL_PREFIX STREQUAL "/usr")
    message(FATAL_ERROR "The package would install below ${CPACK_PACKAGING_INSTALL_PREFIX}: "
        "configure the package's build with -DCMAKE_INSTALL_PREFIX=/usr.")
endif()
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/bin/kelvaro")
if(NOT programs)
    message(FATAL_ERROR "no bin/kelvaro below ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(program IN LISTS programs)
    execute_process(COMMAND "${CPACK_KELVARO_STRIP}" --remove-section=.comment --remove-section=.note
        --strip-unneeded "${program}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not strip ${program}")
    endif()
endforeach()
if(CPACK_PACKAGE_CONTACT MATCHES "@localhost>?$")
    message(WARNING "The package's maintainer is \"${CPACK_PACKAGE_CONTACT}\", no real address: "
        "configure with -DKELVARO_PACKAGE_MAINTAINER=\"Name <address>\".")
endif()
# A reproducible package: every staged file and folder gets the time of
# SOURCE_DATE_EPOCH (as Debian's build sets it, from the changelog; the
# package check sets the commit's time), not the time it was built, so that
# two builds of one commit give the same package.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
        message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: $ENV{SOURCE_DATE_EPOCH}")
    endif()
    execute_process(COMMAND find "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" -exec
        touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "could not set the staged files' times to SOURCE_DATE_EPOCH")
    endif()
endif()
