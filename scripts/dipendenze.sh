# Installs the Debian packages named in the arguments that are not installed yet (sourced by
# ./run and ./test). Needs root, as on a fresh Debian machine; does nothing when all are there.
installa_mancanti() {
    local mancanti=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || mancanti+=("$p")
    done
    [ ${#mancanti[@]} -eq 0 ] && return 0
    echo "Installing: ${mancanti[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${mancanti[@]}" >/dev/null
}

# What building and running the program needs.
pacchetti_programma=(g++ cmake ninja-build qt6-base-dev libgl-dev libfontconfig-dev fonts-liberation2 fonts-dejavu-core)
# What the tests need on top: Qt's private headers (to switch accessibility on), faces that
# stand in for Arial and Times New Roman where Liberation is missing, the older Liberation 1.07
# beside Liberation 2 (as a browser's packages bring it: the program must draw the same), a
# real X server, a way to click in it, a session bus with the AT-SPI stack and its Python client, a fake clock with
# the time zones, a tracer, readelf, the tools of the packaging check, and the screen reader
# Orca with its speech (speech-dispatcher, espeak-ng) and a braille display driver (brltty), a window manager to activate windows, and
# GNOME's compositor with XWayland and Qt's Wayland platform, as a GNOME session on Wayland has them.
pacchetti_test=(qt6-base-private-dev fonts-urw-base35 fonts-liberation xvfb xauth xdotool x11-utils dbus at-spi2-core python3-pyatspi
    faketime tzdata strace binutils file desktop-file-utils appstream dpkg-dev lintian
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng brltty openbox mutter xwayland qt6-wayland)
