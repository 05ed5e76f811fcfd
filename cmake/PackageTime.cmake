# Read by cpack: the packages' file and member times are SOURCE_DATE_EPOCH, which CPack's DEB
# generator honours; where it is unset, the time of the source's last commit.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(
        COMMAND git -C ${CPACK_GIT_SOURCE_DIR} log -1 --format=%ct
        OUTPUT_VARIABLE commit_time OUTPUT_STRIP_TRAILING_WHITESPACE
        RESULT_VARIABLE failed ERROR_QUIET)
    if(failed OR NOT commit_time MATCHES "^[0-9]+$")
        message(FATAL_ERROR "${CPACK_GIT_SOURCE_DIR} has no git history to take the packages' "
                            "time from: set SOURCE_DATE_EPOCH to it, in seconds since 1970")
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${commit_time})
endif()
