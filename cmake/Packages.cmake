# One Debian package per program (`cpack --preset release`), named after it in lower case.
get_property(programs GLOBAL PROPERTY DELIVERED_PROGRAMS)
file(STRINGS ${PROJECT_SOURCE_DIR}/scripts/font-packages.txt font_packages REGEX "^[^#]")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_VERSION ${VERSION_ProductVersion})
set(CPACK_PACKAGE_VENDOR ${VERSION_CompanyName})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROGRAM_SUMMARY})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
# Read by cpack when it runs: the packages' file times, for two builds of one commit to match.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageTime.cmake)
set(CPACK_GIT_SOURCE_DIR ${PROJECT_SOURCE_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${PROGRAM_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beside the libraries that dpkg-shlibdeps finds: the fonts the designs need, and libcups2,
# through which Print Summary reaches the print service even where the program does not link it.
list(JOIN font_packages ", " font_depends)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${font_depends}, libcups2")

set(CPACK_COMPONENTS_ALL)
foreach(program IN LISTS programs)
    string(TOLOWER ${program} package)
    string(TOUPPER ${package} upper)
    list(APPEND CPACK_COMPONENTS_ALL ${package})
    set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
    # CPack puts the summary above this as the first line.
    set(CPACK_COMPONENT_${upper}_DESCRIPTION
"${program} is a drill program for pupils who practise long division with a
remainder, digit by digit as on paper: it poses random questions of the shape
the pupil chooses, checks the typed quotient and remainder, works the question
step by step in a hint window and prints a summary on the default printer.
Varnel and Zorvane are the same drill with different window designs.")
endforeach()
include(CPack)
