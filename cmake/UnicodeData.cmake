# Unicode's Unihan database, from which the build makes the suggestion list's pinyin and
# traditional-character tables, and the notice its licence asks to ship with them.
#   VEKKIRO_UNIHAN_READINGS, VEKKIRO_UNIHAN_VARIANTS,
#   VEKKIRO_UNIHAN_IRGSOURCES                        the data files (plain or .bz2)
#   VEKKIRO_UNICODE_NOTICE                            the notice, written into the build folder
# Where they are: VEKKIRO_UNIHAN_DIR and VEKKIRO_UNICODE_COPYRIGHT_FILE (cmake/Platform.cmake).

set(missing_unicode_data "install Debian's unicode-data package (scripts/install-deps.sh does), "
                         "or name the files with -DVEKKIRO_UNIHAN_DIR and "
                         "-DVEKKIRO_UNICODE_COPYRIGHT_FILE.")
foreach(part Readings Variants IRGSources)
    string(TOUPPER ${part} var)
    set(VEKKIRO_UNIHAN_${var} "")
    foreach(candidate Unihan_${part}.txt.bz2 Unihan_${part}.txt)
        if(EXISTS ${VEKKIRO_UNIHAN_DIR}/${candidate})
            set(VEKKIRO_UNIHAN_${var} ${VEKKIRO_UNIHAN_DIR}/${candidate})
        endif()
    endforeach()
    if(NOT VEKKIRO_UNIHAN_${var})
        message(FATAL_ERROR "Unihan_${part}.txt (or .txt.bz2) is not in ${VEKKIRO_UNIHAN_DIR}: "
                            "the suggestion list's pinyin, traditional characters and radicals are made "
                            "from it. " ${missing_unicode_data})
    endif()
endforeach()
if(NOT EXISTS ${VEKKIRO_UNICODE_COPYRIGHT_FILE})
    message(FATAL_ERROR "The licence of the Unicode data, ${VEKKIRO_UNICODE_COPYRIGHT_FILE}, is "
                        "missing: " ${missing_unicode_data})
endif()

set(VEKKIRO_UNICODE_DATA_VERSION "")
find_program(VEKKIRO_DPKG_QUERY dpkg-query)
if(VEKKIRO_DPKG_QUERY)
    execute_process(COMMAND ${VEKKIRO_DPKG_QUERY} -W -f=\${Version} unicode-data
                    OUTPUT_VARIABLE version ERROR_QUIET RESULT_VARIABLE failed)
    if(NOT failed)
        set(VEKKIRO_UNICODE_DATA_VERSION "(version ${version})")
    endif()
endif()
file(READ ${VEKKIRO_UNICODE_COPYRIGHT_FILE} VEKKIRO_UNICODE_COPYRIGHT)
# Windows users open the notice in Notepad, which wants CRLF line ends.
set(newlines UNIX)
if(WIN32)
    set(newlines CRLF)
endif()
set(VEKKIRO_UNICODE_NOTICE ${CMAKE_BINARY_DIR}/licenses/Unicode.txt)
configure_file(${PROJECT_SOURCE_DIR}/app/licenses/unicode-data.txt.in ${VEKKIRO_UNICODE_NOTICE}
               @ONLY NEWLINE_STYLE ${newlines})
