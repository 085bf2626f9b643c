# Cross build for 32-bit Windows with mingw-w64. Built and inspected only:
# these machines cannot run 32-bit code, so no emulator is set.
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
