# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (the posix-threads variant, which
# std::thread and Qt need). Used for Qt itself and, through the qt.toolchain.cmake Qt generates
# from it, for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MJCALC_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MJCALC_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MJCALC_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${MJCALC_MINGW}-windres)
set(CMAKE_AR ${MJCALC_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${MJCALC_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

# Headers and libraries only from the mingw sysroot (Qt's prefix is added by Qt's own toolchain
# file); programs such as moc and rcc come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MJCALC_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
