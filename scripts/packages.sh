# Sourced by scripts/test and scripts/demo: installs the Debian packages the build needs
# when any is missing (apt-get, through sudo when not root).
TWISTBLOCKS_PACKAGES=(
    build-essential cmake pkg-config python3
    libgtest-dev libgmock-dev libbenchmark-dev
    libsdl2-dev libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri libegl-mesa0
    libpng-dev zlib1g-dev libjpeg62-turbo-dev libpcre2-dev
    libtinyobjloader-dev clang libclang-rt-14-dev g++-mingw-w64-x86-64
    libx11-dev xvfb x11-apps
)

install_missing_packages() {
    local missing=()
    for p in "${TWISTBLOCKS_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
