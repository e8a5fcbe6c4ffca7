# The Debian 13 root in which Qt is built for Windows (scripts/windows) and for the browser
# (scripts/web), sourced by both: made once by mmdebstrap from Debian's packages, with Qt's
# source package beside its host tools (fetched from the same mirror at the same moment, so of
# the same version), kept in $KESTRANO_CACHE (default /var/tmp/kestrano) and keyed by its
# package list. Needs root, and Debian's mirror while the root is made.
cache=${KESTRANO_CACHE:-/var/tmp/kestrano}
pacchetti_radice=(g++-mingw-w64-x86-64-posix emscripten cmake ninja-build qt6-base-dev qt6-base-dev-tools dpkg-dev
    xz-utils python3-minimal python3-fonttools fonts-liberation2 fonts-dejavu-core)
radice=$cache/radice-$(echo "${pacchetti_radice[*]}" | sha256sum | cut -c1-12)

prepara_radice() {
    [ -f "$radice/.pronta" ] && return 0
    mkdir -p "$cache"
    rm -rf --one-file-system "$cache"/radice-*
    local pacchetti
    pacchetti=$(IFS=,; echo "${pacchetti_radice[*]}")
    mmdebstrap --quiet --variant=minbase --mode=root --include="$pacchetti" \
        --customize-hook='mkdir "$1/sorgenti" && chroot "$1" sh -c "cd /sorgenti && apt-get source -qq --download-only qt6-base"' \
        trixie "$radice" "deb http://deb.debian.org/debian trixie main" \
        "deb-src http://deb.debian.org/debian trixie main" >/dev/null
    touch "$radice/.pronta"
}

# The version of Qt's source and host tools in the root.
versione_qt() { chroot "$radice" dpkg-query -W -f='${Version}' qt6-base-dev; }

# Runs a command in the root, with this checkout and the named folder at the same paths as here.
nella_radice() {  # FOLDER COMMAND (a bash script)
    unshare --mount --fork bash -euo pipefail -c '
        mount -t proc proc "$1/proc"
        for cartella in "$2" "$3"; do mkdir -p "$1$cartella"; mount --bind "$cartella" "$1$cartella"; done
        exec chroot "$1" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
            bash -euo pipefail -c "cd \"\$0\" && $4" "$2"' nella_radice "$radice" "$PWD" "$1" "$2"
}

# Qt built in the root from its source package by a recipe, kept in FOLDER/<version>-<hash of
# the recipe's files> and used again; sets $qt to it. Only the newest build is kept.
costruisci_qt() {  # FOLDER RECIPE [OTHER FILES OF THE RECIPE...]
    local cartella=$1 ricetta=$2 versione
    versione=$(versione_qt)
    mkdir -p "$cartella"
    qt=$cartella/$versione-$(cat "${@:2}" | sha256sum | cut -c1-12)
    [ -f "$qt/.completo" ] && return 0
    find "$cartella" -mindepth 1 -maxdepth 1 ! -name "$(basename "$qt")" -exec rm -rf {} +
    nella_radice "$cartella" "cd '$cartella' && rm -rf sorgente '$qt'
        dpkg-source -x -q /sorgenti/qt6-base_${versione#*:}.dsc sorgente >/dev/null
        bash '$PWD/$ricetta' sorgente costruzione '$qt'"
    find "$cartella" -mindepth 1 -maxdepth 1 ! -name "$(basename "$qt")" -exec rm -rf {} +
    touch "$qt/.completo"
}
