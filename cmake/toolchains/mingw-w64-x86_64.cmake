# Cross-compiles for 64-bit Windows with Debian's mingw-w64. The posix thread model is the one
# whose libstdc++ has std::thread and std::mutex, which Qt 6 needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VEKKIRO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER /usr/bin/${VEKKIRO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${VEKKIRO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER /usr/bin/${VEKKIRO_MINGW_TRIPLE}-windres)
set(CMAKE_AR /usr/bin/${VEKKIRO_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${VEKKIRO_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Headers and libraries come only from the Windows side; programs (moc, rcc, the build's own
# tools) only from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VEKKIRO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
