# With DEBIAN_BUILD_FLAGS on (the release preset), compiles and links with the flags that
# Debian builds its own packages with: dpkg-buildflags with every hardening feature.
option(DEBIAN_BUILD_FLAGS "Compile and link with dpkg-buildflags' hardening flags" OFF)
if(NOT DEBIAN_BUILD_FLAGS)
    return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
set(debian_flags "")
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # Its path map names the folder it ran in; the maps below name ours. No debug data is made
    # for packages that are stripped.
    list(FILTER flags EXCLUDE REGEX "^-ffile-prefix-map=|^-g")
    set(${kind} ${flags})
endforeach()
# Debian 12's dpkg-buildflags predates these two; Debian 13's gives them.
foreach(flag -fstack-clash-protection -fcf-protection)
    if(NOT flag IN_LIST CXXFLAGS)
        list(APPEND CXXFLAGS ${flag})
    endif()
endforeach()

# No build folder reaches the output: not in the debug data, whose paths feed the build id,
# nor in a __FILE__. A build folder inside the source folder is covered by the first map.
list(APPEND CXXFLAGS -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)
file(RELATIVE_PATH binary_in_source ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
if(binary_in_source MATCHES "^\\.\\./")
    list(APPEND CXXFLAGS -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()

# Its optimisation level (-O2) stands in for the build type's.
string(REGEX REPLACE "(^| )-O[0-9s]*" "" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
add_compile_options(${CPPFLAGS} ${CXXFLAGS})
add_link_options(${LDFLAGS})
message(STATUS "Debian build flags: ${CPPFLAGS} ${CXXFLAGS} ${LDFLAGS}")
