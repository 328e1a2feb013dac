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
ZOKI_TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xdotool openbox x11-utils imagemagick clang-format clang-tidy locales desktop-file-utils)

# A locale whose decimal mark is a comma, so the tests can show that numbers
# are read the same whatever locale the window system switches to.
ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "could not generate de_DE.UTF-8; its test will be skipped" >&2
}
