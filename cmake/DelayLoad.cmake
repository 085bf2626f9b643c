# The setup runs elevated, often from a download folder. Windows resolves
# static imports before the program's first line runs, from the program's own
# folder first for any DLL that is not one of the system's known DLLs, and
# under Wine even known ones pull in others that way (gdi32 loads version.dll).
# So every Windows executable here imports only kernel32 and msvcrt; the other
# system DLLs are delay-loaded: loaded at their first call, after WinMain has
# limited DLL loading to the system folder.
set(QUILLMARK_DELAYED_DLLS user32 gdi32 advapi32 shell32 ole32 oleaut32 oleacc comdlg32 shlwapi
                           uuid)
list(REMOVE_ITEM QUILLMARK_DELAYED_DLLS uuid)  # uuid is static data, not a DLL

# The libraries live in a folder named after the script that makes them: when
# it changes, they are made again and every link line changes with them, so
# every executable is linked again.
set(_maker "${PROJECT_SOURCE_DIR}/cmake/make-delaylib.sh")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${_maker}")
file(SHA256 "${_maker}" _maker_hash)
string(SUBSTRING "${_maker_hash}" 0 12 _maker_hash)
set(_out "${CMAKE_BINARY_DIR}/delayload/${_maker_hash}")
file(GLOB _stale LIST_DIRECTORIES true "${CMAKE_BINARY_DIR}/delayload/*")
list(REMOVE_ITEM _stale "${_out}")
if(_stale)
    file(REMOVE_RECURSE ${_stale})
endif()
file(MAKE_DIRECTORY "${_out}")
set(_libs "")
foreach(dll ${QUILLMARK_DELAYED_DLLS})
    set(lib "${_out}/lib${dll}_delay.a")
    if(NOT EXISTS "${lib}")
        execute_process(
            COMMAND sh "${_maker}" "${QUILLMARK_TRIPLE}-"
                    "/usr/${QUILLMARK_TRIPLE}/lib/lib${dll}.a" "${dll}.dll" "${lib}"
            RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "Could not make the delay-load library for ${dll}")
        endif()
    endif()
    string(APPEND _libs " \"${lib}\"")
endforeach()
# Placed after everything else on every link line, before the compiler's own
# default libraries: the delay-load versions win.
set(CMAKE_C_STANDARD_LIBRARIES "${_libs} -luuid -lmingwex")
set(CMAKE_CXX_STANDARD_LIBRARIES "${_libs} -luuid -lmingwex")

# The linker orders import tables by the path of the library each entry comes
# from, so the delay-load libraries here and the toolchain's own import
# libraries would fall into an order that depends on where the build folder
# lies relative to the toolchain. Copies of those import libraries beside the
# delay-load ones, found first, give one order in every build folder.
foreach(lib kernel32 msvcrt moldname ${QUILLMARK_DELAYED_DLLS})
    configure_file("/usr/${QUILLMARK_TRIPLE}/lib/lib${lib}.a" "${_out}/lib${lib}.a" COPYONLY)
endforeach()
add_link_options("-L${_out}")

# Section collection keeps what is reached from the entry point. Nothing names
# a delay-load entry's slot in the name table, nor the name it points to: the
# default script keeps such entries only as .idata, which these tables cannot
# be. Dropped, they would shift the name table against the address table, so
# that a call would look up another function's name, or none. The toolchain's
# own default script, with the tables kept, serves instead.
execute_process(COMMAND "${QUILLMARK_TRIPLE}-ld" --verbose
                OUTPUT_VARIABLE _ld_verbose RESULT_VARIABLE rc)
string(REGEX MATCH "=+\n(.*)\n=+" _ld_script "${_ld_verbose}")
set(_ld_script "${CMAKE_MATCH_1}")
set(_kept_data "KEEP(*(SORT(.data$qmdelay_*)))\n    *(SORT(.data$*))")
set(_kept_rdata "KEEP(*(SORT(.rdata$qmdelay_*)))\n    *(SORT(.rdata$*))")
string(REPLACE "*(SORT(.data$*))" "${_kept_data}" _ld_script "${_ld_script}")
string(REPLACE "*(SORT(.rdata$*))" "${_kept_rdata}" _ld_script "${_ld_script}")
if(NOT rc EQUAL 0 OR NOT _ld_script MATCHES "KEEP\\(\\*\\(SORT\\(\\.data\\$qmdelay_"
   OR NOT _ld_script MATCHES "KEEP\\(\\*\\(SORT\\(\\.rdata\\$qmdelay_")
    message(FATAL_ERROR "Could not make a linker script that keeps the delay-load tables "
                        "from ${QUILLMARK_TRIPLE}-ld's default one")
endif()
file(WRITE "${_out}/keep-delayload.ld" "${_ld_script}\n")
add_link_options("-Wl,-T,${_out}/keep-delayload.ld")
