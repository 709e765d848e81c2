# Installs the Debian packages a command needs, only when some are missing.
# Usage: ensure_packages pkg...

missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$package"
        fi
    done
}

ensure_packages() {
    local missing
    missing=$(missing_packages "$@")
    [ -z "$missing" ] && return 0
    echo "Installing: $(echo $missing)"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q >/dev/null
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing >/dev/null
}

# What building the Windows programs needs, and running them under Wine.
RUN_PACKAGES=(
    ca-certificates cmake ninja-build
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools libwine-dev
    wine wine64 fonts-wine fonts-ipafont-gothic locales python3
)

# What the release builds need besides: the 32-bit compilers.
RELEASE_PACKAGES=(
    "${RUN_PACKAGES[@]}"
    g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
)

# What the tests need besides: the host compiler with its sanitizer runtimes and
# libFuzzer, GoogleTest's sources, a virtual display and tools that drive and read it, and
# openssl for the throwaway certificate of the signed packaging.
TEST_PACKAGES=(
    "${RELEASE_PACKAGES[@]}"
    clang lld clang-format libclang-rt-14-dev googletest
    xvfb xserver-xephyr xauth x11-utils xdotool imagemagick nsis zip unzip osslsigncode openssl
)

# What scripts/package needs besides the release builds': the host build of the
# registration script generator (clang; GoogleTest and clang-format for configuring the
# native build), NSIS, zip, and osslsigncode for Authenticode signatures.
PACKAGE_PACKAGES=(
    "${RELEASE_PACKAGES[@]}"
    clang googletest clang-format nsis zip osslsigncode
)

# Japanese text in the Wine programs needs a Japanese locale to exist.
ensure_japanese_locale() {
    if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
        sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
        grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
        locale-gen >/dev/null
    fi
}
