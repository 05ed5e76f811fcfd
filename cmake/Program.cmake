# The two programs as they are delivered: each build's version table compiled into its design
# library, and each executable with its desktop entry, icons, metainfo and licence.
include(GNUInstallDirs)
include(${PROJECT_SOURCE_DIR}/src/designs/Version.cmake)
find_program(GZIP gzip REQUIRED)
# The folders an install makes, and so the packages', are the same whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The release date as the Debian changelog writes it.
execute_process(COMMAND date -u -R -d ${PROGRAM_RELEASE_DATE}
                OUTPUT_VARIABLE PROGRAM_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)

# C string literal text for a value, so that a quote or backslash in the table cannot break it.
function(_c_string out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# Completes one build's version table with its own entries and names its program icon, the
# picture drawn as <ICON>-48.png, -32.png and -16.png among the build's pictures (the path
# without the size is the design library's PROGRAM_ICON_BASE).
function(add_version_table build)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "INTERNAL_NAME;ORIGINAL_FILENAME;ICON" "")
    set(INTERNAL_NAME ${arg_INTERNAL_NAME})
    set(VERSION_InternalName ${arg_INTERNAL_NAME})
    set(VERSION_OriginalFilename ${arg_ORIGINAL_FILENAME})
    set(DESKTOP_ID ${PROGRAM_ID_PREFIX}.${INTERNAL_NAME})
    set(BUILD ${build})

    set(entries
        FILEVERSION=${VERSION_FILEVERSION}
        PRODUCTVERSION=${VERSION_PRODUCTVERSION}
        Language=${VERSION_LANGUAGE})
    foreach(key CompanyName FileDescription FileVersion InternalName OriginalFilename
                ProductName ProductVersion)
        list(APPEND entries "${key}=${VERSION_${key}}")
    endforeach()
    # Each string ends its own literal, so a digit after the \0 cannot join an octal escape.
    set(VERSION_SECTION "")
    foreach(entry IN LISTS entries)
        _c_string(entry "${entry}")
        string(APPEND VERSION_SECTION "    \"${entry}\\0\"\n")
    endforeach()
    string(REGEX REPLACE "\n$" "" VERSION_SECTION "${VERSION_SECTION}")
    foreach(key ProductVersion CompanyName)
        _c_string(VERSION_${key} "${VERSION_${key}}")
    endforeach()

    set(source ${CMAKE_CURRENT_BINARY_DIR}/Version.cpp)
    configure_file(${PROJECT_SOURCE_DIR}/src/designs/Version.cpp.in ${source} @ONLY)
    target_sources(designs_${build} PRIVATE ${source})
    set_target_properties(designs_${build} PROPERTIES
        PROGRAM_NAME ${INTERNAL_NAME}
        PROGRAM_DESKTOP_ID ${DESKTOP_ID}
        PROGRAM_ICON_BASE "${CMAKE_CURRENT_BINARY_DIR}/pictures/${arg_ICON}")
endfunction()

# One program: the executable named after its build's InternalName, and what installs with it
# (desktop entry, icons, metainfo, licence, Debian changelog and manual page), each program in
# an install component of its own (its package).
function(add_program)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "DESIGNS;SOURCE" "")
    set(designs designs_${arg_DESIGNS})
    get_target_property(PROGRAM_NAME ${designs} PROGRAM_NAME)
    get_target_property(DESKTOP_ID ${designs} PROGRAM_DESKTOP_ID)
    get_target_property(icon ${designs} PROGRAM_ICON_BASE)
    string(TOLOWER ${PROGRAM_NAME} component)

    add_executable(${PROGRAM_NAME} WIN32 ${arg_SOURCE})
    target_link_libraries(${PROGRAM_NAME} PRIVATE drill_core ${designs})
    set_target_properties(${PROGRAM_NAME} PROPERTIES PROGRAM_ICON_BASE ${icon})
    set_property(GLOBAL APPEND PROPERTY DELIVERED_PROGRAMS ${PROGRAM_NAME})
    # The toolchain's identification notes, which every object and the C library's start files
    # carry, serve nobody who runs the program.
    add_custom_command(TARGET ${PROGRAM_NAME} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:${PROGRAM_NAME}>
        VERBATIM)
    install(TARGETS ${PROGRAM_NAME} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT ${component})

    set(out ${CMAKE_CURRENT_BINARY_DIR}/${component})
    set(PACKAGE ${component})
    configure_file(program.desktop.in ${out}/${DESKTOP_ID}.desktop @ONLY)
    configure_file(program.metainfo.xml.in ${out}/${DESKTOP_ID}.metainfo.xml @ONLY)
    configure_file(copyright.in ${out}/copyright @ONLY)
    configure_file(changelog.in ${out}/changelog @ONLY)
    configure_file(program.1.in ${out}/${PROGRAM_NAME}.1 @ONLY)
    # Without a name or time in the header, so that the same text always packs the same.
    set(gzipped ${out}/changelog.gz ${out}/${PROGRAM_NAME}.1.gz)
    add_custom_command(OUTPUT ${gzipped}
        COMMAND ${GZIP} -9nkf ${out}/changelog ${out}/${PROGRAM_NAME}.1
        DEPENDS ${out}/changelog ${out}/${PROGRAM_NAME}.1
        VERBATIM)
    add_custom_target(${component}_documents ALL DEPENDS ${gzipped})
    install(FILES ${out}/changelog.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${component} COMPONENT ${component})
    install(FILES ${out}/${PROGRAM_NAME}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${component})
    install(FILES ${out}/${DESKTOP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT ${component})
    install(FILES ${out}/${DESKTOP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT ${component})
    install(FILES ${out}/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${component} COMPONENT ${component})
    foreach(size 48 32 16)
        install(FILES ${icon}-${size}.png RENAME ${DESKTOP_ID}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                COMPONENT ${component})
    endforeach()
endfunction()
