# Installs the Debian packages that are missing (apt-get update first), with
# sudo when not root. Usage: ensure_packages PACKAGE...
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "missing packages: ${missing[*]}; install them as root (no sudo here)" >&2
            return 1
        }
        sudo=sudo
    fi
    echo "installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What building and running the program needs.
ZOKI_RUN_PACKAGES=(cmake make g++ qt6-base-dev qt6-qpa-plugins qt6-translations-l10n fonts-ipafont-gothic)
# What the tests need on top.
ZOKI_TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xdotool imagemagick clang-format)
