# A design library: one build's design tables, with its pictures drawn by draw_pictures at
# build time and embedded under :/<build>. The picture names must match the build's Pictures.h.
function(add_design_library build)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PICTURES")
    # The icons that draw_pictures draws for every build, so no build lists them.
    list(APPEND arg_PICTURES
        butterfly-48.png butterfly-32.png butterfly-16.png
        window-icon-32.png window-icon-16.png)
    set(target designs_${build})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${target} STATIC ${sources})
    target_link_libraries(${target} PUBLIC drill_core)

    set(picture_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
    list(TRANSFORM arg_PICTURES PREPEND ${picture_dir}/ OUTPUT_VARIABLE picture_paths)
    # Drawn for the desktop's program icon, which is installed, not embedded.
    set(installed_only ${picture_dir}/window-icon-48.png)
    add_custom_command(
        OUTPUT ${picture_paths} ${installed_only}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:draw_pictures> ${build} ${picture_dir}
        DEPENDS draw_pictures
        COMMENT "Drawing the ${build} build's pictures"
        VERBATIM)
    qt_add_resources(${target} "${build}_pictures"
        PREFIX "/${build}"
        BASE ${picture_dir}
        FILES ${picture_paths})
endfunction()
