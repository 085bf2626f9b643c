# The setup's program is small beside the package it carries, and should stay
# so. Measured on a map file, the space went to: whole archive members linked
# for one symbol each (every GUID of libuuid for CLSID_FileOpenDialog, every
# std::string member, libstdc++'s exception classes with a second string
# implementation, a whole threads library for three locks), code built for
# speed that runs once, libstdc++'s verbose terminate handler with its C++
# demangler and mingw's own printf behind it, and pictures stored raw. The
# setup answers the library's failures and thread calls itself
# (app/LibraryFailures_win.cpp, app/RuntimeThreads_win.cpp) and carries its
# pictures compressed.
#
# Note that the linker keeps every function that has unwind tables
# (.pdata/.eh_frame are kept whole), so --gc-sections mostly drops data;
# code is kept out by not linking what pulls it in.
#
# Size before speed for our code: only the decompression is hot, and bzip2
# keeps its own -O2 (cmake/Bzip2.cmake).
foreach(lang C CXX)
    string(REPLACE "-O3" "-Os" CMAKE_${lang}_FLAGS_RELEASE "${CMAKE_${lang}_FLAGS_RELEASE}")
endforeach()
# One section per function and object, so that the linker keeps only what is
# reached from the entry point, the constructors and the resources.
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffunction-sections;-fdata-sections>")
add_link_options(-Wl,--gc-sections)
# std::string's members are compiled where they are used instead of linked
# from libstdc++'s explicit instantiations: two whole objects of every member
# (narrow and wide, about 46 KB) for the few the setup calls.
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:SHELL:-include ${CMAKE_CURRENT_LIST_DIR}/InlineStrings.h>")
