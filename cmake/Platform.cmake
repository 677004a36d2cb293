# Where the installed program differs between platforms. On Linux it follows the usual layout
# (bin/, share/); a Windows program keeps everything in its own folder, so it runs from wherever
# it is unpacked: the executable at the top, the page of all items in winpj\ beside it.
#
# What the program's entry asks of the platform (VEKKIRO_PLATFORM_SOURCE, in app/): whether a
# window can be opened at all, and a mark that it is running, which the Windows installer looks
# for by the name VEKKIRO_RUNNING_MUTEX.
#
# How the windows tell the platform's screen readers what changed (VEKKIRO_LIVE_REGION_SOURCE, in
# ui/common/, with the system libraries it needs): a Win32 live region on Windows, nothing beyond
# Qt's own events elsewhere.
if(WIN32)
    set(VEKKIRO_LIVE_REGION_SOURCE common/liveregion_windows.cpp)
    set(VEKKIRO_LIVE_REGION_LIBRARIES oleacc ole32 oleaut32)
    set(VEKKIRO_PLATFORM_SOURCE platform_windows.cpp)
    set(VEKKIRO_RUNNING_MUTEX Vekkiro.Running)
    set(VEKKIRO_EXECUTABLE_NAME Vekkiro)
    set(VEKKIRO_PROGRAM_DIR .)
    set(VEKKIRO_ITEM_PAGE_DIR winpj)
else()
    set(VEKKIRO_LIVE_REGION_SOURCE common/liveregion_none.cpp)
    set(VEKKIRO_LIVE_REGION_LIBRARIES)
    set(VEKKIRO_PLATFORM_SOURCE platform_linux.cpp)
    set(VEKKIRO_EXECUTABLE_NAME vekkiro)
    set(VEKKIRO_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR})
    set(VEKKIRO_ITEM_PAGE_DIR ${CMAKE_INSTALL_DATADIR}/vekkiro/winpj)
endif()

# Where the build machine, Debian 12, keeps what the build takes from its packages: named here
# once; another machine names its own with -D.
set(VEKKIRO_UNIHAN_DIR /usr/share/unicode CACHE PATH
    "Folder holding Unicode's Unihan_*.txt files (Debian: unicode-data)")
set(VEKKIRO_UNICODE_COPYRIGHT_FILE /usr/share/doc/unicode-data/copyright CACHE FILEPATH
    "The licence of the Unicode data, as their package states it")
set(VEKKIRO_JIEBA_DICT /usr/lib/python3/dist-packages/jieba/dict.txt CACHE FILEPATH
    "jieba's word list (Debian: python3-jieba)")
set(VEKKIRO_WORDNET_DIR /usr/share/wordnet CACHE PATH
    "Folder holding WordNet's index.noun, data.noun and noun.exc (Debian: wordnet-base)")
set(VEKKIRO_COMMON_LICENSES_DIR /usr/share/common-licenses CACHE PATH
    "Folder holding the texts of common licences (LGPL-3, GPL-3), shipped with the Windows program")
set(VEKKIRO_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH
    "GoogleTest's sources (Debian: googletest), built for a cross build's tests")
