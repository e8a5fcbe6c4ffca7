# Qt for the browser (WebAssembly), built from Debian's own qt6-base source package with
# Debian's emscripten and Debian's host tools of the same version. Run inside the Debian 13 root
# by scripts/web: qt_web.sh SOURCE_FOLDER BUILD_FOLDER PREFIX. Static, single-threaded, and only
# what kestrano uses (Core, Gui, Widgets, the wasm platform): every feature it does not use is
# left out, for a smaller download. packaging/web/qt-wasm.patch mends the platform's
# accessibility mirror (on from the start, texts as text, announcements in a live region),
# lets windows keep their size, and leaves out the bundled faces (the program brings its own).
set -euo pipefail
sorgente=$1 costruzione=$2 prefisso=$3
cartella=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
patch -d "$sorgente" -p1 --quiet <"$cartella/../packaging/web/qt-wasm.patch"
# Qt's configure, and a program's, find emscripten through an emsdk's layout, which Debian's
# package lacks: a stand-in of a settings file and a link to Debian's emscripten, kept with Qt
# (EMSDK=<prefix>/emsdk).
emsdk=$prefisso/emsdk
mkdir -p "$emsdk/upstream"
ln -sfn /usr/share/emscripten "$emsdk/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = 'upstream/emscripten'" >"$emsdk/.emscripten"
export EMSDK=$emsdk
spenti=(
    # modules
    dbus sql network printsupport concurrent xml testlib thread
    # images and documents
    jpeg gif pdf movie picture textodfwriter textmarkdownreader textmarkdownwriter mimetype
    # widgets and styles the program has none of
    style_stylesheet effects itemviews commandlinkbutton datetimeedit calendarwidget
    fontcombobox textbrowser splashscreen lcdnumber dial keysequenceedit syntaxhighlighter
    mdiarea dockwidget toolbox colordialog filedialog fontdialog inputdialog errormessage
    wizard progressdialog undoview undocommand undostack undogroup graphicsview graphicseffect
    columnview datawidgetmapper completer whatsthis systemtrayicon sessionmanager
    jalalicalendar hijricalendar islamiccivilcalendar vulkan
)
opzioni=(
    -DCMAKE_TOOLCHAIN_FILE=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
    -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$prefisso"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_GENERATE_SBOM=OFF -DQT_UNITY_BUILD=ON
)
for f in "${spenti[@]}"; do opzioni+=("-DFEATURE_$f=OFF"); done
cmake -S "$sorgente" -B "$costruzione" -G Ninja "${opzioni[@]}" >"$costruzione.configure.log" 2>&1 ||
    { tail -40 "$costruzione.configure.log"; exit 1; }
grep -i "warning\|error" "$costruzione.configure.log" | head -20 || true
nice ninja -C "$costruzione" -j "$(nproc)" -k 0
cmake --install "$costruzione" >/dev/null
