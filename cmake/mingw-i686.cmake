# Cross build for 32-bit Windows with mingw-w64 (posix thread model, so that
# GoogleTest compiles): the build that ships. Test executables run under
# wine64, which starts 32-bit programs through WOW64 where wine32 is installed
# and the machine runs 32-bit code, natively or through user-mode emulation
# (scripts/can-run-32bit.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)
set(QUILLMARK_TRIPLE i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLMARK_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLMARK_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLMARK_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLMARK_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
