#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the setup,
# and fetches bzip2's library source for the Windows builds.
# Idempotent: returns quickly when everything is already there.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
third="$here/third_party"

packages=(
  cmake make g++ googletest libgtest-dev libbz2-dev bzip2
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  wine wine64 fonts-wine xvfb xauth x11-utils imagemagick
  dpkg-dev osslsigncode openssl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# The shipped setup is 32-bit. Wine runs it (through WOW64) only where the
# kernel runs 32-bit code, which is found out here, not assumed.
if "$here/scripts/can-run-32bit.sh"; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup-deps: adding the i386 architecture for wine32"
    as_root dpkg --add-architecture i386
  fi
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' || missing+=(wine32:i386)
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup-deps: installing ${missing[*]}"
  log=$(mktemp)
  if ! { as_root apt-get update -qq && as_root env DEBIAN_FRONTEND=noninteractive \
           apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    echo "setup-deps: installing the packages above failed" >&2
    exit 1
  fi
  rm -f "$log"
fi

# bzip2's library source, from Debian's own source package, verified by apt.
# A private apt configuration adds the deb-src line; the machine's apt files stay as they are.
bzdir="$third/bzip2"
if [ ! -f "$bzdir/bzlib.c" ]; then
  work="$third/.apt"
  mkdir -p "$work/lists/partial" "$work/download"
  # The archive is the one this machine's apt already uses for its release's
  # main component (uncommented sources only); none is assumed.
  codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
  archive=$(apt-get indextargets --no-release-info --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 2>/dev/null \
            | awk -v rel="$codename" '$2 == rel && $3 == "main" { print $1; exit }')
  if [ -z "$codename" ] || [ -z "$archive" ]; then
    echo "setup-deps: this machine's apt configuration names no archive for '${codename:-its release}' main," >&2
    echo "setup-deps: so bzip2's source cannot be fetched; add the distribution's archive to apt's sources" >&2
    echo "setup-deps: (or unpack bzip2's source into third_party/bzip2) and run this again" >&2
    exit 1
  fi
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] ${archive%/} $codename main" > "$work/sources.list"
  aptopts=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=- -o Dir::State::Lists="$work/lists" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
  apt-get "${aptopts[@]}" update -qq
  (cd "$work/download" && apt-get "${aptopts[@]}" source --download-only bzip2 >/dev/null)
  orig=$(ls "$work"/download/bzip2_*.orig.tar.* | head -n 1)
  rm -rf "$bzdir.tmp" && mkdir -p "$bzdir.tmp"
  tar -xf "$orig" -C "$bzdir.tmp" --strip-components=1
  rm -rf "$bzdir" && mv "$bzdir.tmp" "$bzdir"
  echo "setup-deps: bzip2 source in third_party/bzip2 ($(basename "$orig"))"
fi
