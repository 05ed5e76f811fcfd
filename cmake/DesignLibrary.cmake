# A design library: one build's design tables, with the pictures on its list (Pictures.def
# beside the tables, read as src/designs/PictureList.h describes) drawn by draw_pictures at
# build time. The program's pictures are embedded under :/<build>; the desktop's stay in
# <build dir>/pictures as PNG files for installing.
function(add_design_library build)
    set(target designs_${build})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${target} STATIC ${sources})
    # Tables and pictures: they need the shared design types and nothing above them.
    target_link_libraries(${target} PUBLIC designs_common)

    set(list_file ${CMAKE_CURRENT_SOURCE_DIR}/Pictures.def)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
    file(STRINGS ${list_file} lines REGEX "^PICTURE")
    set(picture_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
    set(embedded "")
    set(drawn "")
    foreach(line IN LISTS lines)
        if(NOT line MATCHES "^PICTURE\\([A-Za-z0-9_]+, *\"([^\"]+)\", *[0-9]+, *[0-9]+, *(Opaque|Clear), *(Program|Desktop|Both), ")
            message(FATAL_ERROR "${list_file}: cannot read the line: ${line}")
        endif()
        set(file ${CMAKE_MATCH_1})
        set(use ${CMAKE_MATCH_3})
        if(NOT use STREQUAL "Desktop")
            # The same form as DESIGN_EMBEDDED_FILE in src/designs/PictureList.h.
            list(APPEND embedded ${picture_dir}/${file}.bmp)
        endif()
        if(NOT use STREQUAL "Program")
            list(APPEND drawn ${picture_dir}/${file}.png)
        endif()
    endforeach()
    list(APPEND drawn ${embedded})
    list(REMOVE_DUPLICATES drawn)

    add_custom_command(
        OUTPUT ${drawn}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:draw_pictures> ${build} ${picture_dir}
        DEPENDS draw_pictures
        COMMENT "Drawing the ${build} build's pictures"
        VERBATIM)
    # Stored as they are, so that a program shows them in place instead of inflating them; in
    # the first format, which records no file times: the pictures' are the time of the build.
    qt_add_resources(${target} "${build}_pictures"
        PREFIX "/${build}"
        OPTIONS --no-compress --format-version 1
        BASE ${picture_dir}
        FILES ${embedded})
endfunction()
