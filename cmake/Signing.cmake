# Authenticode signing of the setup (osslsigncode, SHA-256). Off unless a
# certificate is named, as a CMake option or in the environment variable of
# the same name:
#   QUILLMARK_SIGN_PKCS12          a PKCS#12 file with certificate chain and key, or
#   QUILLMARK_SIGN_CERT and _KEY   a PEM certificate (chain) and its PEM key;
#   QUILLMARK_SIGN_TIMESTAMP_URL   optional RFC 3161 time-stamp server.
# The key's password is read from the environment variable
# QUILLMARK_SIGN_PASSWORD at build time only: it never enters the cache, a
# command line or the log (cmake/sign-setup.sh).
foreach(option PKCS12 CERT KEY TIMESTAMP_URL)
    set(QUILLMARK_SIGN_${option} "$ENV{QUILLMARK_SIGN_${option}}" CACHE STRING
        "Setup signing: see cmake/Signing.cmake")
endforeach()

set(_quillmark_sign_args "")
if(QUILLMARK_SIGN_PKCS12)
    set(_quillmark_sign_args --pkcs12 "${QUILLMARK_SIGN_PKCS12}")
elseif(QUILLMARK_SIGN_CERT OR QUILLMARK_SIGN_KEY)
    if(NOT QUILLMARK_SIGN_CERT OR NOT QUILLMARK_SIGN_KEY)
        message(FATAL_ERROR "Signing with PEM files needs both QUILLMARK_SIGN_CERT and QUILLMARK_SIGN_KEY")
    endif()
    set(_quillmark_sign_args --cert "${QUILLMARK_SIGN_CERT}" --key "${QUILLMARK_SIGN_KEY}")
endif()

if(_quillmark_sign_args)
    find_program(QUILLMARK_OSSLSIGNCODE osslsigncode)
    if(NOT QUILLMARK_OSSLSIGNCODE)
        message(FATAL_ERROR "Signing needs osslsigncode (scripts/setup-deps.sh installs it)")
    endif()
    if(QUILLMARK_SIGN_TIMESTAMP_URL)
        list(APPEND _quillmark_sign_args --timestamp "${QUILLMARK_SIGN_TIMESTAMP_URL}")
    endif()
    message(NOTICE "Signing the setup with ${QUILLMARK_SIGN_PKCS12}${QUILLMARK_SIGN_CERT}")
else()
    message(NOTICE "Signing: off, the setup is built unsigned "
                   "(QUILLMARK_SIGN_PKCS12, or QUILLMARK_SIGN_CERT and QUILLMARK_SIGN_KEY, sign it)")
endif()

# Signs the target's executable after every link.
function(quillmark_sign target)
    if(NOT _quillmark_sign_args)
        return()
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E env "OSSLSIGNCODE=${QUILLMARK_OSSLSIGNCODE}"
                sh "${PROJECT_SOURCE_DIR}/cmake/sign-setup.sh" "$<TARGET_FILE:${target}>"
                ${_quillmark_sign_args}
        VERBATIM)
endfunction()
