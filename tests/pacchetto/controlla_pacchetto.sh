#!/usr/bin/env bash
# The installed tree and the Debian package: every file in its place, the desktop entry and
# the AppStream metadata valid, the icons of the right sizes, the runtime packages declared,
# and the package as Debian's checker (lintian) wants it. It runs under umask 002, as many
# desktop users do, and makes the package a second time under umask 022 a day later (by a fake
# clock): the two must be the same bytes.
# Usage: controlla_pacchetto.sh BUILD_DIR VERSION
set -euo pipefail
umask 002
costruzione=$1
versione=$2
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
fallisci() { echo "FAIL: $*"; exit 1; }

controlla_albero() {  # ROOT: an installed /usr tree
    local r=$1
    [ -x "$r/bin/kestrano" ] || fallisci "no executable in $r/bin"
    desktop-file-validate "$r/share/applications/org.example.kestrano.desktop" || fallisci "desktop entry invalid"
    grep -q '^Categories=Education;' "$r/share/applications/org.example.kestrano.desktop" || fallisci "not in Education"
    appstreamcli validate --no-net --pedantic "$r/share/metainfo/org.example.kestrano.metainfo.xml" >"$lavoro/as.log" 2>&1 \
        || { cat "$lavoro/as.log"; fallisci "AppStream metadata invalid"; }
    grep -q "<release version=\"$versione\"" "$r/share/metainfo/org.example.kestrano.metainfo.xml" || fallisci "no release $versione"
    for lato in 32 48; do
        file "$r/share/icons/hicolor/${lato}x${lato}/apps/org.example.kestrano.png" | grep -q "$lato x $lato" \
            || fallisci "icon ${lato}x${lato} missing or of the wrong size"
    done
    grep -q '<svg' "$r/share/icons/hicolor/scalable/apps/org.example.kestrano.svg" || fallisci "no scalable icon"
}

cmake --install "$costruzione" --prefix "$lavoro/installato/usr" >/dev/null
controlla_albero "$lavoro/installato/usr"

(cd "$costruzione" && cpack -G DEB -B "$lavoro/deb" >"$lavoro/cpack.log" 2>&1) || { cat "$lavoro/cpack.log"; fallisci "cpack failed"; }
deb=$(ls "$lavoro"/deb/kestrano_"$versione"_*.deb)
(umask 022 && cd "$costruzione" && faketime -f +1d cpack -G DEB -B "$lavoro/deb2" >"$lavoro/cpack.log" 2>&1) \
    || { cat "$lavoro/cpack.log"; fallisci "cpack failed the second time"; }
cmp "$deb" "$lavoro/deb2/${deb##*/}" || fallisci "the package made again a day later under umask 022 differs"
dpkg-deb -f "$deb" Package | grep -qx kestrano || fallisci "wrong package name"
dipendenze=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core libc6; do
    grep -q "$p" <<<"$dipendenze" || fallisci "Depends lacks $p: $dipendenze"
done
dpkg-deb -x "$deb" "$lavoro/estratto"
controlla_albero "$lavoro/estratto/usr"
# Nothing but the program and its desktop files goes into the package.
estranei=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -vE '^\./usr/(bin/kestrano|share/(applications|metainfo|icons|doc|man)(/|$))|^\./(usr/?|usr/bin/|usr/share/)?$' || true)
[ -z "$estranei" ] || fallisci "unexpected files in the package: $estranei"
# Debian's own checker, pedantic and with its notes of information: not one tag.
lintian --pedantic --display-info --tag-display-limit 0 "$deb" >"$lavoro/lintian.log" 2>&1 || true
! grep -E '^[EWIPXCO]: ' "$lavoro/lintian.log" || fallisci "lintian has something to say"
echo "1 passed, 0 failed"
