# Debian packages the build needs, and a helper that installs the missing ones.
# shellcheck shell=bash
build_packages=(cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-dev  # clang and its runtimes: the fuzz build
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-dejavu-core adwaita-icon-theme)  # the window, its tests

ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "Need root or sudo to install: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
