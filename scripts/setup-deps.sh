#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the setup,
# and fetches bzip2's library source for the Windows builds.
# Idempotent: returns quickly when everything is already there.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
third="$here/third_party"

packages=(
  cmake make g++ googletest libgtest-dev libbz2-dev bzip2 zlib1g-dev
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

# Runs a command with its output kept aside, shown only when it fails.
quietly() {  # what, command...
    local what=$1 log; shift
    log=$(mktemp)
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "setup-deps: $what failed" >&2
        exit 1
    fi
    rm -f "$log"
}

install_missing() {  # packages...
    [ $# -gt 0 ] || return 0
    echo "setup-deps: installing $*"
    quietly "installing the packages above" as_root apt-get update -qq
    quietly "installing the packages above" as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "$@"
}

# A private apt configuration over the archive this machine's apt already uses
# for its release's main component (uncommented sources only; none is
# assumed): the machine's apt files stay as they are.
#   private_apt DIR LINE...   where each LINE is "deb|deb-src SUITE COMPONENT"
# sets aptopts for apt-get and apt-cache.
codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
private_apt() {
    local work=$1; shift
    local archive line
    archive=$(apt-get indextargets --no-release-info --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 2>/dev/null \
              | awk -v rel="$codename" '$2 == rel && $3 == "main" { print $1; exit }')
    if [ -z "$codename" ] || [ -z "$archive" ]; then
        echo "setup-deps: this machine's apt configuration names no archive for '${codename:-its release}' main," >&2
        echo "setup-deps: so nothing can be fetched from it; add the distribution's archive to apt's sources" >&2
        return 1
    fi
    mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
    : >"$work/sources.list"
    for line in "$@"; do
        set -- $line
        echo "$1 [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] ${archive%/} ${2//@/$codename} $3" >>"$work/sources.list"
    done
    aptopts=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts=- -o Dir::State::Lists="$work/lists"
             -o Dir::Cache="$work/cache" -o Debug::NoLocking=1 -o APT::Sandbox::User=root)
    apt-get "${aptopts[@]}" update -qq
}

install_missing "${missing[@]}"
missing=()

# The shipped setup is 32-bit. Wine runs it (through WOW64) where the machine
# runs 32-bit code: natively, or, where the kernel runs none, through qemu's
# user-mode emulator from the release's backports (the release's own qemu
# spends a minute starting each 32-bit Wine process). Found out here, not assumed.
qemu_current() {
    local v
    v=$(dpkg-query -W -f='${Status} ${Version}' qemu-user-static 2>/dev/null) || return 1
    case $v in "install ok installed "*) ;; *) return 1 ;; esac
    dpkg --compare-versions "${v##* }" ge 1:10
}
probe() { answer=$("$here/scripts/can-run-32bit.sh") || true; kind=$(head -n 1 <<<"$answer"); }
probe
if [ "$kind" = none ] && [ "${QUILLMARK_NO_32BIT:-0}" != 1 ]; then
    if ! qemu_current; then
        echo "setup-deps: installing qemu-user-static from the release's backports, to run 32-bit programs"
        private_apt "$third/.apt-backports" "deb @ main" "deb @-backports main" || exit 1
        quietly "installing qemu-user-static" as_root env DEBIAN_FRONTEND=noninteractive \
            apt-get "${aptopts[@]}" install -y -qq --no-install-recommends -t "$codename-backports" qemu-user-static
    fi
    "$here/scripts/i386-emulation.sh" on ||
        echo "setup-deps: 32-bit programs cannot be registered with binfmt_misc here; they will not run"
    probe
fi
echo "setup-deps: $(sed -n 2p <<<"$answer")"
if [ "$kind" != none ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup-deps: adding the i386 architecture for wine32"
    as_root dpkg --add-architecture i386
  fi
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed' || missing+=(wine32:i386)
fi

install_missing "${missing[@]}"

# bzip2's library source, from Debian's own source package, verified by apt.
bzdir="$third/bzip2"
if [ ! -f "$bzdir/bzlib.c" ]; then
  work="$third/.apt"
  private_apt "$work" "deb-src @ main" ||
    { echo "setup-deps: (or unpack bzip2's source into third_party/bzip2) and run this again" >&2; exit 1; }
  mkdir -p "$work/download"
  (cd "$work/download" && apt-get "${aptopts[@]}" source --download-only bzip2 >/dev/null)
  orig=$(ls "$work"/download/bzip2_*.orig.tar.* | head -n 1)
  rm -rf "$bzdir.tmp" && mkdir -p "$bzdir.tmp"
  tar -xf "$orig" -C "$bzdir.tmp" --strip-components=1
  rm -rf "$bzdir" && mv "$bzdir.tmp" "$bzdir"
  echo "setup-deps: bzip2 source in third_party/bzip2 ($(basename "$orig"))"
fi
