#!/bin/sh
# Signs a copy of the setup with a throw-away certificate authority made here,
# checks the signature against that authority, checks that one changed byte
# breaks it, and runs the signed setup under Wine to its end.
#   signed-setup-test.sh SETUP_EXE PRESS_THROUGH_EXE WINE SIGN_SCRIPT PRODUCT_FOLDER WORK_DIR
set -eu
setup=$1 press=$2 wine=$3 sign=$4 product=$5 work=$6
rm -rf "$work"
mkdir -p "$work"
cd "$work"
fail() { echo "FAILED: $1" >&2; exit 1; }

# The authority, and a code-signing certificate it issues, with a password.
export QUILLMARK_SIGN_PASSWORD="pw-$$-not-on-any-command-line"
openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 \
    -subj "/CN=Throw-away test CA" -addext "basicConstraints=critical,CA:TRUE" \
    -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr \
    -subj "/CN=Quillmark test signer" 2>/dev/null
printf '%s\n' "basicConstraints=CA:FALSE" "keyUsage=critical,digitalSignature" \
    "extendedKeyUsage=codeSigning" >signer.ext
openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 \
    -extfile signer.ext -out signer.pem 2>/dev/null
openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -out signer.p12 \
    -passout env:QUILLMARK_SIGN_PASSWORD
openssl pkey -in signer.key -aes256 -passout env:QUILLMARK_SIGN_PASSWORD -out signer-locked.key
cat signer.pem ca.pem >chain.pem

# A build may already be signed with its own certificate.
osslsigncode remove-signature -in "$setup" -out unsigned.exe >/dev/null 2>&1 || cp "$setup" unsigned.exe

# osslsigncode through a wrapper that records its arguments, which must not
# hold the password.
printf '%s\n' '#!/bin/sh' "printf '%s\\n' \"\$*\" >>\"$work/arguments\"" 'exec osslsigncode "$@"' \
    >recording-osslsigncode
chmod +x recording-osslsigncode
export OSSLSIGNCODE="$work/recording-osslsigncode"

verify() {  # exe
    osslsigncode verify -CAfile ca.pem -in "$1" >verify.log 2>&1
}

cp unsigned.exe pkcs12.exe
sh "$sign" pkcs12.exe --pkcs12 signer.p12 || fail "signing with the PKCS#12 file"
verify pkcs12.exe || { cat verify.log; fail "the PKCS#12 signature does not verify"; }
[ "$(stat -c %a pkcs12.exe)" = "$(stat -c %a unsigned.exe)" ] || fail "signing changed the file's permissions"
grep -q 'SHA256' verify.log || { cat verify.log; fail "the signature's digest is not SHA-256"; }

cp unsigned.exe pem.exe
sh "$sign" pem.exe --cert chain.pem --key signer-locked.key || fail "signing with the PEM pair"
verify pem.exe || { cat verify.log; fail "the PEM-pair signature does not verify"; }

grep -q "$QUILLMARK_SIGN_PASSWORD" arguments && fail "the password was on osslsigncode's command line"

# One byte changed in the middle of the package breaks the signature.
cp pkcs12.exe changed.exe
size=$(stat -c %s changed.exe)
at=$((size / 2))
old=$(od -An -tu1 -j "$at" -N 1 changed.exe | tr -d ' ')
printf "\\$(printf '%03o' $(((old + 1) % 256)))" | dd of=changed.exe bs=1 seek="$at" conv=notrunc 2>/dev/null
cmp -s changed.exe pkcs12.exe && fail "the byte was not changed"
verify changed.exe && fail "a changed setup still verifies"

# A wrong password fails the signing and leaves no unsigned setup behind.
cp unsigned.exe wrong.exe
QUILLMARK_SIGN_PASSWORD=wrong sh "$sign" wrong.exe --pkcs12 signer.p12 2>/dev/null &&
    fail "signing with a wrong password reported success"
[ -e wrong.exe ] && fail "a failed signing left the unsigned setup in place"

# The signed setup installs: pressed through under Wine to "Done.".
"$wine" "$press" "$work/pkcs12.exe" >wine.log 2>&1 </dev/null || true
cat wine.log
grep -q 'The setup says: Done.' wine.log || fail "the signed setup did not end with Done."
# Where it installed, as its uninstall entry names it (in the 32-bit view,
# where both builds write it).
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark'
folder=$("$wine" reg query "$entry" /v UninstallString /reg:32 2>/dev/null </dev/null | tr -d '\r' |
         sed -n 's/.*REG_SZ *"\(.*\)\\Quillmark\.exe".*/\1/p')
[ -n "$folder" ] || fail "the signed setup left no uninstall entry"
install=$("$wine" winepath -u "$folder" 2>/dev/null </dev/null | tr -d '\r')
for f in Sources/libnodave-0.8.4.5.zip Support/AppIcons.icl Quillmark.exe; do
    cmp "$install/$f" "$product/$f" || fail "the signed setup did not install $f as packed"
done
echo "signed setup: verified, broken by one byte, installed"
