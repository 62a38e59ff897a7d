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
