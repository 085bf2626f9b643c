# Two builds of one commit and one product folder, in different folders and
# at different times, give the same bytes, so that anyone can check that a
# shipped setup is the one its commit builds.
#  - No time stamp in the PE header (the linker would write the link time).
#  - No build or source folder in what is compiled (__FILE__, debug paths).
#  - Archives without dates, owners or modes.
# Anything else that records a time takes it from SOURCE_DATE_EPOCH
# (cmake/Signing.cmake for the signing time). DLLs get a fixed image base
# (the linker would derive one from the output path).
add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
                    "-ffile-prefix-map=${CMAKE_BINARY_DIR}=build")
if(WIN32)
    add_link_options(-Wl,--no-insert-timestamp)
endif()
foreach(lang C CXX)
    set(CMAKE_${lang}_ARCHIVE_CREATE "<CMAKE_AR> qcD <TARGET> <LINK_FLAGS> <OBJECTS>")
    set(CMAKE_${lang}_ARCHIVE_APPEND "<CMAKE_AR> qD <TARGET> <LINK_FLAGS> <OBJECTS>")
    set(CMAKE_${lang}_ARCHIVE_FINISH "<CMAKE_RANLIB> -D <TARGET>")
endforeach()
