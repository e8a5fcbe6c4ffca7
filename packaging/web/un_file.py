#!/usr/bin/env python3
"""The page as one file that runs opened from a USB stick or a download folder (file://),
offline: the loader and the program's script inline, and the program itself inside the page
(base64), compiled from there instead of fetched, which a browser refuses from file://.
Usage: un_file.py FOLDER OUTPUT.html (FOLDER holds index.html, qtloader.js, kestrano.js and
kestrano.wasm)."""
import base64
import pathlib
import sys

cartella, uscita = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
pagina = (cartella / "index.html").read_text(encoding="utf-8")


def in_linea(nome: str) -> str:
    # A script inline ends at the first "</script": none may stand inside it.
    testo = (cartella / nome).read_text(encoding="utf-8").replace("</script", "<\\/script")
    return "<script>\n" + testo + "\n</script>"


programma = base64.b64encode((cartella / "kestrano.wasm").read_bytes()).decode("ascii")
modulo = (
    '<script id="programma" type="application/octet-stream">' + programma + "</script>\n"
    "<script>\nwindow.kestranoModulo = () => {\n"
    '  const testo = document.getElementById("programma").textContent;\n'
    "  const byte = Uint8Array.fromBase64 ? Uint8Array.fromBase64(testo)\n"
    "    : Uint8Array.from(atob(testo), (c) => c.charCodeAt(0));\n"
    "  return WebAssembly.compile(byte);\n};\n</script>"
)
for nome, sostituto in (
    ("qtloader.js", in_linea("qtloader.js")),
    ("kestrano.js", modulo + "\n" + in_linea("kestrano.js")),
):
    segnaposto = f'<script src="{nome}"></script>'
    if pagina.count(segnaposto) != 1:
        sys.exit(f"un_file.py: the page does not load {nome} once")
    pagina = pagina.replace(segnaposto, sostituto)
uscita.write_text(pagina, encoding="utf-8")
