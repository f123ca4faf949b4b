# Debian packages the build needs, and a helper that installs the missing ones.
# shellcheck shell=bash
build_packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev  # clang and its runtimes: the fuzz build
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core adwaita-icon-theme  # the window, its tests
    poppler-utils)  # pdftoppm and pdfinfo: the tests look into printed pages and the manuals

ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "Missing Debian packages: ${missing[*]}" >&2
            echo "There is no sudo here: run this command once as root (su -c \"$0\"), or install them with" >&2
            echo "  su -c 'apt-get install ${missing[*]}'" >&2
            return 1
        fi
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures the build a packager makes in $1: Release with Debian's own hardening flags
# (dpkg-buildflags), warnings as errors, no benchmarks. Needs dpkg-dev.
configure_release() {
    local build=$1 cxxflags ldflags
    cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    ldflags="$(dpkg-buildflags --get LDFLAGS)"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVELL_WERROR=ON \
        -DORVELL_BUILD_BENCH=OFF "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" \
        "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" >/dev/null
}
