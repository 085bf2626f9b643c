# The setup's program is small beside the package it carries, and should stay
# so. Measured on a map file, the space went to: whole archive members linked
# for one symbol each (every GUID of libuuid for CLSID_FileOpenDialog, every
# std::string member, libstdc++'s exception classes with a second string
# implementation, a whole threads library for three locks), code built for
# speed that runs once, libstdc++'s verbose terminate handler with its C++
# demangler and mingw's own printf behind it, and pictures stored raw. The
# setup answers the library's failures itself (app/LibraryFailures_win.cpp)
# and carries its pictures compressed; built without exceptions (below), it
# links none of the runtime that needed the threads library.
#
# Note that the linker keeps every function that has unwind tables
# (.pdata/.eh_frame are kept whole), so --gc-sections drops no code that has
# them; such code is kept out only by not linking what pulls it in.
#
# A second map, after all that, showed C++ exception handling as the largest
# part left, though the setup catches none: the unwinder with its personality
# routine and dw2 tables (.eh_frame, 37 KB on i686), the clean-up code and
# tables of every function, and, on i686, every function of a linked object
# kept by its unwind table. Each Windows build compiles its C++ without
# exceptions, and the setup's operator new and library failures end the
# process as an uncaught exception did (app/LibraryFailures_win.cpp). The
# program, beside its package: i686 234 KiB -> 157 KiB, x86-64 206 -> 177 KiB.
# What is left is mostly the setup's own code and bzip2's decompressor (.text,
# 95-103 KiB), and the resources (34 KiB, 25 KiB of them the nine-image icon).
#
# A third (scripts/size-table.sh), with the program grown to i686 191 KiB and
# x86-64 219 KiB: x86-64's unwind tables (20 KB, and every function they
# name kept), the icon's 32-bit images stored raw (15 KB, 3 KB as PNG), and
# libstdc++'s red-black tree for a set of at most 17 files read and a map of
# a few fonts. Without them: i686 175 KiB, x86-64 187 KiB.
#
# Size before speed for our code: only the decompression is hot, and bzip2
# keeps its own -O2 (cmake/Bzip2.cmake).
foreach(lang C CXX)
    string(REPLACE "-O3" "-Os" CMAKE_${lang}_FLAGS_RELEASE "${CMAKE_${lang}_FLAGS_RELEASE}")
endforeach()
# No exceptions: an error is a return value here, and the few failures that
# libstdc++ would throw for end the process (app/LibraryFailures_win.cpp).
# No run-time type information: nothing asks for a type at run time, and
# without exceptions nothing else needs it. Every Windows program is built so,
# tests and GoogleTest included, so that a class and the classes made from it
# agree.
# (i686: -44 KB for exceptions, -8 KB for type information; x86-64: -20 KB,
# -9 KB.)
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions;-fno-rtti>")
# Nor unwind tables: without exceptions nothing of ours reads them. On i686
# the system unwinds by frames, not tables, and a function with a table is
# never collected. On x86-64 the system reads them (.pdata/.xdata) only to
# walk the stack through our frames: for an exception raised below one of
# our functions and handled above it, which here is only the crash that
# nothing handles, or for a debugger's backtrace. The setup sets no handler
# of its own and calls no longjmp, which on x86-64 unwinds by tables too.
# (i686: -26 KB; x86-64: -16 KB.)
add_compile_options(
    "$<$<COMPILE_LANGUAGE:C,CXX>:-fno-asynchronous-unwind-tables;-fno-unwind-tables>")
# One section per function and object, so that the linker keeps only what is
# reached from the entry point, the constructors and the resources.
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffunction-sections;-fdata-sections>")
add_link_options(-Wl,--gc-sections)
# std::string's members are compiled where they are used instead of linked
# from libstdc++'s explicit instantiations: two whole objects of every member
# (narrow and wide, about 46 KB) for the few the setup calls.
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${CMAKE_CURRENT_LIST_DIR}/InlineStrings.h>")
