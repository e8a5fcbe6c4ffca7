# Qt for 64-bit Windows, built from Debian's own qt6-base source package with the MinGW-w64 cross
# compiler and Debian's host tools of the same version. Run inside the Debian 13 build root by
# scripts/windows: qt_windows.sh SOURCE_FOLDER BUILD_FOLDER PREFIX. Only what kestrano and its
# tests use: Core, Gui, Widgets, Test, the Windows and offscreen platforms; shared libraries.
# The compiler's runtime DLLs go beside Qt's, so that the prefix runs as it is.
set -euo pipefail
sorgente=$1 costruzione=$2 prefisso=$3
cartella=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
opzioni=(
    -DCMAKE_TOOLCHAIN_FILE="$cartella/../packaging/windows/mingw-w64.cmake"
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DCMAKE_INSTALL_PREFIX="$prefisso"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_GENERATE_SBOM=OFF -DQT_UNITY_BUILD=ON
    # The +dfsg source has no wintab (tablets); the Windows platform needs OpenGL's symbols, and
    # desktop OpenGL is Windows' own opengl32.dll.
    -DFEATURE_tabletevent=OFF -DINPUT_opengl=desktop
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_vulkan=OFF
)
cmake -S "$sorgente" -B "$costruzione" -G Ninja "${opzioni[@]}" >"$costruzione.configure.log" 2>&1 ||
    { tail -40 "$costruzione.configure.log"; exit 1; }
nice ninja -C "$costruzione" -j "$(nproc)"
cmake --install "$costruzione" >/dev/null
cp /usr/lib/gcc/x86_64-w64-mingw32/*-posix/{libstdc++-6,libgcc_s_seh-1}.dll \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$prefisso/bin/"
