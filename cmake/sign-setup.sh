#!/bin/sh
# Signs a Windows executable in place with Authenticode (SHA-256):
#   sign-setup.sh EXE (--pkcs12 FILE | --cert FILE --key FILE) [--timestamp URL]
# The key's password, if it has one, comes from QUILLMARK_SIGN_PASSWORD and
# reaches osslsigncode through a file only this user can read, never on a
# command line (which anyone can see in ps) or in the build log. A signing
# time is taken from SOURCE_DATE_EPOCH when that is set. OSSLSIGNCODE names
# the program when it is not on the PATH.
#
# When signing fails the executable is removed, so that no unsigned setup is
# left behind for the next build to take as done.
set -eu
exe=$1
shift
osslsigncode=${OSSLSIGNCODE:-osslsigncode}
pkcs12="" cert="" key="" timestamp=""
while [ $# -gt 0 ]; do
    case $1 in
        --pkcs12) pkcs12=$2; shift 2 ;;
        --cert) cert=$2; shift 2 ;;
        --key) key=$2; shift 2 ;;
        --timestamp) timestamp=$2; shift 2 ;;
        *) echo "sign-setup: unknown argument $1" >&2; exit 2 ;;
    esac
done

umask 077
work=$(mktemp -d "${TMPDIR:-/tmp}/sign-setup.XXXXXX")
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
fail() {
    echo "sign-setup: $1; $exe removed so that it is built and signed again" >&2
    rm -f "$exe"
    exit 1
}

set --
if [ -n "$pkcs12" ]; then
    set -- -pkcs12 "$pkcs12"
elif [ -n "$cert" ] && [ -n "$key" ]; then
    set -- -certs "$cert" -key "$key"
else
    fail "no certificate: give --pkcs12 FILE or --cert FILE --key FILE"
fi
if [ -n "${QUILLMARK_SIGN_PASSWORD:-}" ]; then
    printf '%s' "$QUILLMARK_SIGN_PASSWORD" >"$work/password"
    set -- "$@" -readpass "$work/password"
fi
[ -n "$timestamp" ] && set -- "$@" -ts "$timestamp"
[ -n "${SOURCE_DATE_EPOCH:-}" ] && set -- "$@" -time "$SOURCE_DATE_EPOCH"

"$osslsigncode" sign -h sha256 -n "Quillmark setup" "$@" -in "$exe" -out "$work/signed.exe" \
    >"$work/log" 2>&1 || { cat "$work/log" >&2; fail "signing failed"; }
# The signed file takes the unsigned one's permissions, not the private ones
# of the work folder.
chmod --reference="$exe" "$work/signed.exe" &&
    mv "$work/signed.exe" "$exe" || fail "cannot replace the unsigned executable"
echo "Signed $exe"
