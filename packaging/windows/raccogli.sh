# The program's folder, as it runs from wherever it is unpacked: kestrano.exe, the Windows
# platform plugin, and every DLL these import that is not Windows' own (Qt's and the compiler's
# runtime, from Qt's folder, where they were put beside Qt's own). Run in the build root.
# Usage: raccogli.sh KESTRANO_EXE QT_PREFIX FOLDER
set -euo pipefail
exe=$1 qt=$2 cartella=$3
rm -rf "$cartella"
mkdir -p "$cartella/platforms"
cp "$exe" "$cartella/"
cp "$qt/plugins/platforms/qwindows.dll" "$cartella/platforms/"
da_leggere=("$cartella/kestrano.exe" "$cartella/platforms/qwindows.dll")
while [ ${#da_leggere[@]} -gt 0 ]; do
    file=${da_leggere[0]}
    da_leggere=("${da_leggere[@]:1}")
    for dll in $(x86_64-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p'); do
        if [ -f "$qt/bin/$dll" ]; then
            [ -f "$cartella/$dll" ] && continue
            cp "$qt/bin/$dll" "$cartella/"
            da_leggere+=("$cartella/$dll")
        # Windows' own DLLs: its API sets, and those MinGW-w64 has an import library for.
        elif [[ $dll != api-ms-win-* ]] &&
            [ -z "$(find /usr/x86_64-w64-mingw32/lib -maxdepth 1 -iname "lib${dll%.*}.a")" ]; then
            echo "$file imports $dll, which is neither Windows' own nor in Qt's folder" >&2
            exit 1
        fi
    done
done
x86_64-w64-mingw32-strip --strip-unneeded "$cartella"/*.exe "$cartella"/*.dll "$cartella"/platforms/*.dll
