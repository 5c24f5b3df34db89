# Sourced by the scripts that build from Debian's own source packages: `debian_source PACKAGE`
# fetches the source package into the current folder, after adding a deb-src entry beside apt's
# deb entries when apt has none (as root, or through sudo).
debian_source() { # PACKAGE
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    if [ -z "$(apt-cache showsrc "$1" 2>/dev/null)" ]; then
        echo "adding a deb-src entry beside apt's deb entries" >&2
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
            | "${sudo[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
        "${sudo[@]}" apt-get update -qq
    fi
    apt-get source --download-only "$1" >/dev/null
}
