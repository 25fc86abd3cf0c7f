# Sourced by the scripts that need Debian packages: install_missing_packages installs those
# missing (apt-get, through sudo when not root). The demo needs only the first list.
TWISTBLOCKS_DEMO_PACKAGES=(
    build-essential cmake pkg-config
    libsdl2-dev libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri libegl-mesa0
    libpng-dev zlib1g-dev libjpeg62-turbo-dev libx11-dev
)
# Tests, benchmarks and the extra checks (fuzzing with clang, the Windows headers).
TWISTBLOCKS_TEST_PACKAGES=(
    python3 libgtest-dev libgmock-dev libbenchmark-dev
    libtinyobjloader-dev clang libclang-rt-14-dev g++-mingw-w64-x86-64
    xvfb x11-apps
)
# What the Windows build needs (scripts/build-windows, which may run alone): the tools, the
# cross-compiler, apt-get source and GoogleTest's sources.
TWISTBLOCKS_WINDOWS_BUILD_PACKAGES=(build-essential cmake pkg-config python3 g++-mingw-w64-x86-64 dpkg-dev googletest)
# What running it under Wine adds (scripts/check-windows): Wine with its X11 and GL libraries,
# Wine's Windows headers, a private X server, screenshots.
TWISTBLOCKS_WINDOWS_RUN_PACKAGES=(
    wine64 wine64-tools libgl1 libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxcomposite1
    libxinerama1 libxxf86vm1 xvfb x11-apps xdotool imagemagick
)
# The Debian package (scripts/package-deb: CPack's DEB generator needs dpkg-shlibdeps and file),
# and its check (scripts/check-deb: a clean clone, the ecosystem's checkers, man -w).
TWISTBLOCKS_DEB_BUILD_PACKAGES=(dpkg-dev file)
TWISTBLOCKS_DEB_CHECK_PACKAGES=(git lintian appstream desktop-file-utils man-db groff-base python3)
# The side-by-side run with the peer screensaver `rubik` (bench/peers/compare_with_rubik.sh).
TWISTBLOCKS_PEER_PACKAGES=(xvfb xscreensaver-gl-extra gcc)

as_root() {  # as_root COMMAND...: through sudo when not root
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {  # install_missing_packages PACKAGE...
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
