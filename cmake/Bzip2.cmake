# bzip2: Debian's libbz2 on the host; on Windows, the library compiled from
# Debian's bzip2 source package (fetched by scripts/setup-deps.sh).
if(WIN32)
    set(BZIP2_SOURCE_DIR "${PROJECT_SOURCE_DIR}/third_party/bzip2" CACHE PATH "bzip2 library source")
    if(NOT EXISTS "${BZIP2_SOURCE_DIR}/bzlib.c")
        message(FATAL_ERROR "bzip2 source missing in ${BZIP2_SOURCE_DIR}: run scripts/setup-deps.sh")
    endif()
    add_library(bz2 STATIC
        ${BZIP2_SOURCE_DIR}/blocksort.c ${BZIP2_SOURCE_DIR}/huffman.c
        ${BZIP2_SOURCE_DIR}/crctable.c ${BZIP2_SOURCE_DIR}/randtable.c
        ${BZIP2_SOURCE_DIR}/compress.c ${BZIP2_SOURCE_DIR}/decompress.c
        ${BZIP2_SOURCE_DIR}/bzlib.c)
    # bzlib.h pulls in <windows.h> on Windows.
    target_compile_definitions(bz2 PUBLIC NOMINMAX WIN32_LEAN_AND_MEAN)
    target_include_directories(bz2 SYSTEM PUBLIC ${BZIP2_SOURCE_DIR})
    target_compile_options(bz2 PRIVATE -O2 -w)
    # At -O2 GCC turns the move-to-front shift of the decoder, a loop over a
    # few bytes run for every decoded symbol, into a call to memmove: msvcrt's,
    # through the import table. That call alone took a seventh of the
    # decompression time under Wine.
    target_compile_options(bz2 PRIVATE -fno-tree-loop-distribute-patterns)
    # No unwind tables: no exception ever passes through C code, and a linked
    # function with a table is kept whether called or not, so the compressor
    # (which the setup never runs) would travel in it.
    target_compile_options(bz2 PRIVATE -fno-asynchronous-unwind-tables -fno-unwind-tables)
    # Its one error message goes through msvcrt's fprintf, not mingw's own printf.
    target_compile_definitions(bz2 PRIVATE __USE_MINGW_ANSI_STDIO=0)
else()
    find_package(BZip2 REQUIRED)
    add_library(bz2 INTERFACE)
    target_link_libraries(bz2 INTERFACE BZip2::BZip2)
endif()
