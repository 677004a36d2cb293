# vekkiro_install_linux_program(<target>)
# Installs the program as a freedesktop.org desktop expects and a Debian package carries it: the
# executable hardened as Debian's are, the desktop entry and AppStream metadata, the icon in the
# hicolor theme, the copyright with the notices of the data it is built from, the changelog
# and the manual pages.
function(vekkiro_install_linux_program target)
    set(app ${PROJECT_SOURCE_DIR}/app)
    # Resolve every symbol at start-up and make the relocations read-only, as Debian's hardened
    # packages do.
    target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now)
    install(TARGETS ${target} RUNTIME DESTINATION ${VEKKIRO_PROGRAM_DIR})

    configure_file(${app}/desktop/vekkiro.desktop.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${VEKKIRO_APP_ID}.desktop @ONLY)
    # Software centres take screenshots only from web addresses. The picture is the
    # repository's docs/screenshot.png (scripts/screenshot.sh makes it); a build that knows
    # where that file is served names it here, and the entry is left out otherwise.
    set(VEKKIRO_SCREENSHOT_URL "" CACHE STRING
        "Web address of the repository's docs/screenshot.png, for the AppStream metadata")
    set(VEKKIRO_METAINFO_SCREENSHOTS "")
    set(VEKKIRO_METAINFO_HOMEPAGE "")
    if(VEKKIRO_HOMEPAGE)
        set(VEKKIRO_METAINFO_HOMEPAGE "  <url type=\"homepage\">${VEKKIRO_HOMEPAGE}</url>\n")
    endif()
    if(VEKKIRO_SCREENSHOT_URL)
        string(CONCAT VEKKIRO_METAINFO_SCREENSHOTS
            "  <screenshots>\n"
            "    <screenshot type=\"default\">\n"
            "      <caption>The answer for a battery, with the names that contain 电池</caption>\n"
            "      <image>${VEKKIRO_SCREENSHOT_URL}</image>\n"
            "    </screenshot>\n"
            "  </screenshots>\n")
    endif()
    configure_file(${app}/desktop/vekkiro.metainfo.xml.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${VEKKIRO_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VEKKIRO_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${VEKKIRO_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    foreach(size IN LISTS VEKKIRO_ICON_SIZES)
        # The hicolor theme has no 200x200 folder; an icon there would never be looked up.
        if(size EQUAL 200)
            continue()
        endif()
        install(FILES ${VEKKIRO_ARTWORK_DIR}/icons/${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME ${VEKKIRO_APP_ID}.png)
    endforeach()
    install(FILES ${VEKKIRO_ICON_SVG}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
            RENAME ${VEKKIRO_APP_ID}.svg)

    # The program's licence, then the notices of the Unicode data, the dictionary and WordNet,
    # which its tables are made from.
    file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
    file(READ ${VEKKIRO_UNICODE_NOTICE} unicode_notice)
    file(READ ${VEKKIRO_CC_CEDICT_NOTICE} cedict_notice)
    file(READ ${VEKKIRO_WORDNET_NOTICE} wordnet_notice)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/copyright
         "${license}\n${unicode_notice}\n${cedict_notice}\n${wordnet_notice}")
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vekkiro)

    # The changelog and the manual pages, compressed the way Debian's tools expect: gzip's best
    # compression, and no name or time stamp in the header, so the package is reproducible.
    find_program(VEKKIRO_GZIP gzip REQUIRED)
    set(compressed)
    foreach(pair "debian/changelog:changelog.gz" "../man/vekkiro.1:man/vekkiro.1.gz"
                 "../man/zh_CN/vekkiro.1:man/zh_CN/vekkiro.1.gz")
        string(REPLACE ":" ";" pair "${pair}")
        list(GET pair 0 source)
        list(GET pair 1 output)
        set(source ${app}/${source})
        set(output ${CMAKE_CURRENT_BINARY_DIR}/${output})
        get_filename_component(output_dir ${output} DIRECTORY)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
            COMMAND ${VEKKIRO_GZIP} -9n -c ${source} > ${output}
            DEPENDS ${source}
            VERBATIM)
        list(APPEND compressed ${output})
    endforeach()
    add_custom_target(vekkiro_docs ALL DEPENDS ${compressed})
    set(binary_dir ${CMAKE_CURRENT_BINARY_DIR})
    install(FILES ${binary_dir}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vekkiro)
    install(FILES ${binary_dir}/man/vekkiro.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${binary_dir}/man/zh_CN/vekkiro.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_CN/man1)
endfunction()
