# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix thread model, which
# std::thread and Qt need). Used for the cross-built Qt and for the program itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUARRANT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUARRANT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUARRANT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUARRANT_MINGW_TRIPLE}-windres)
set(CMAKE_AR ${QUARRANT_MINGW_TRIPLE}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${QUARRANT_MINGW_TRIPLE}-gcc-ranlib-posix CACHE FILEPATH "")

# Libraries and headers come from the MinGW sysroot (and from the prefixes given in
# CMAKE_PREFIX_PATH, such as the cross-built Qt), never from the Linux host; programs run
# during the build are the host's.
set(CMAKE_FIND_ROOT_PATH /usr/${QUARRANT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows 10 is the oldest target.
add_compile_definitions(_WIN32_WINNT=0x0A00 WINVER=0x0A00)
