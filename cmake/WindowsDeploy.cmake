# vekkiro_deploy_windows_runtime(<target>)
# Installs the Windows executable, with its icon and version record, and beside it everything it
# needs to run from its own folder on a
# machine with no Qt and no MinGW: the Qt libraries and the two plugins it loads, the MinGW C
# and C++ runtime (the Qt libraries import it), a qt.conf that makes Qt look in that folder,
# Qt's Chinese translations, and the licence texts. The same files go into the build tree's
# program folder, so the built program runs under Wine as it is.
function(vekkiro_deploy_windows_runtime target)
    set(program_dir ${CMAKE_BINARY_DIR}/${VEKKIRO_PROGRAM_DIR})
    # The icon and the version record Windows shows, compiled into the executable.
    target_sources(${target} PRIVATE ${VEKKIRO_WINDOWS_RC})
    install(TARGETS ${target} RUNTIME DESTINATION ${VEKKIRO_PROGRAM_DIR})

    # The runtime the compiler links against, wherever this compiler keeps it.
    set(runtime_dlls)
    foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
            message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
        endif()
        list(APPEND runtime_dlls ${path})
    endforeach()

    set(qt_translation ${QT_HOST_PATH}/share/qt6/translations/qtbase_zh_CN.qm)
    if(NOT EXISTS ${qt_translation})
        message(FATAL_ERROR "${qt_translation} is missing: install qt6-translations-l10n")
    endif()

    # Where Qt came from, for the LGPL's offer of its source.
    set(qt_source "Debian's qt6-base source package")
    if(EXISTS ${QT6_INSTALL_PREFIX}/.vekkiro-complete)
        file(STRINGS ${QT6_INSTALL_PREFIX}/.vekkiro-complete debian_version LIMIT_COUNT 1)
        string(APPEND qt_source " ${debian_version}")
    endif()
    set(VEKKIRO_QT_VERSION ${Qt6_VERSION})
    set(VEKKIRO_QT_SOURCE ${qt_source})
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/qt-notice.txt.in
                   ${CMAKE_CURRENT_BINARY_DIR}/licenses/Qt.txt @ONLY NEWLINE_STYLE CRLF)
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/qt.conf ${program_dir}/qt.conf COPYONLY)
    file(COPY ${qt_translation} DESTINATION ${program_dir}/translations)

    set(libraries $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
                  ${runtime_dlls})
    set(platform_plugin $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
    set(style_plugin $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${libraries} ${program_dir}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${program_dir}/platforms ${program_dir}/styles
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${platform_plugin} ${program_dir}/platforms
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${style_plugin} ${program_dir}/styles
        VERBATIM)

    set(dir ${VEKKIRO_PROGRAM_DIR})
    install(FILES ${libraries} DESTINATION ${dir})
    install(FILES ${platform_plugin} DESTINATION ${dir}/platforms)
    install(FILES ${style_plugin} DESTINATION ${dir}/styles)
    install(FILES ${program_dir}/qt.conf DESTINATION ${dir})
    install(FILES ${qt_translation} DESTINATION ${dir}/translations)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${dir} RENAME LICENSE.txt)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/licenses/Qt.txt ${VEKKIRO_UNICODE_NOTICE}
                  ${VEKKIRO_CC_CEDICT_NOTICE} ${VEKKIRO_WORDNET_NOTICE}
                  ${VEKKIRO_COMMON_LICENSES_DIR}/LGPL-3 ${VEKKIRO_COMMON_LICENSES_DIR}/GPL-3
            DESTINATION ${dir}/licenses)
endfunction()

# vekkiro_add_windows_dist(<target>)
# The `dist` target: what users download, in <build>/dist: Vekkiro-<version>-win64.zip, one
# folder that runs from wherever it is unpacked, and Vekkiro-<version>-setup.exe, its installer.
function(vekkiro_add_windows_dist target ico)
    find_program(VEKKIRO_MAKENSIS makensis)
    if(NOT VEKKIRO_MAKENSIS)
        message(STATUS "makensis not found (Debian package nsis): no `dist` target")
        return()
    endif()
    set(dist_dir ${CMAKE_BINARY_DIR}/dist)
    set(VEKKIRO_SETUP_FILE ${dist_dir}/Vekkiro-${VEKKIRO_VERSION_STRING}-setup.exe)
    set(VEKKIRO_ICO_PATH ${ico})
    set(VEKKIRO_LICENSE_FILE ${PROJECT_SOURCE_DIR}/LICENSE)
    set(VEKKIRO_INSTALL_LIST ${dist_dir}/install-list.nsh)
    set(VEKKIRO_UNINSTALL_LIST ${dist_dir}/uninstall-list.nsh)
    configure_file(${PROJECT_SOURCE_DIR}/app/windows/installer.nsi.in
                   ${CMAKE_CURRENT_BINARY_DIR}/installer.nsi @ONLY)
    add_custom_target(dist
        COMMAND ${CMAKE_COMMAND}
                -DBUILD_DIR=${CMAKE_BINARY_DIR}
                -DDIST_DIR=${dist_dir}
                -DZIP_NAME=Vekkiro-${VEKKIRO_VERSION_STRING}-win64.zip
                -DNSI_IN=${CMAKE_CURRENT_BINARY_DIR}/installer.nsi
                -DMAKENSIS=${VEKKIRO_MAKENSIS}
                -DSTRIP=${CMAKE_STRIP}
                -P ${PROJECT_SOURCE_DIR}/app/windows/make_dist.cmake
        DEPENDS ${target}
        COMMENT "Writing the zip and the installer to ${dist_dir}"
        VERBATIM)
    # The installer's pictures.
    add_dependencies(dist vekkiro_artwork)
endfunction()
