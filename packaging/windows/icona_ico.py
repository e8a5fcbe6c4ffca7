#!/usr/bin/env python3
"""Writes the program's icon as a Windows .ico: the XPM that the program builds in, as one
32 x 32 image in 16 colours (4 bits a pixel), its transparent pixels in the mask.
Usage: icona_ico.py ICONA_XPM.h OUT.ico"""
import re
import struct
import sys

righe = re.findall(r'^"(.*)",?$', open(sys.argv[1], encoding="utf-8").read(), re.M)
larghezza, altezza, n_colori, per_pixel = map(int, righe[0].split())
assert (larghezza, altezza, per_pixel) == (32, 32, 1) and n_colori <= 16, righe[0]
colori = {}
for riga in righe[1 : 1 + n_colori]:
    segno, valore = riga[0], riga[1:].split()[-1]
    colori[segno] = None if valore == "None" else bytes.fromhex(valore.lstrip("#"))
pixel = righe[1 + n_colori : 1 + n_colori + altezza]
assert len(pixel) == altezza and all(len(r) == larghezza for r in pixel)

# Black first: a transparent pixel is black in the image and set in the mask.
tavolozza = [b"\0\0\0"] + sorted({c for c in colori.values() if c and c != b"\0\0\0"})
indice = {s: (tavolozza.index(c) if c else 0) for s, c in colori.items()}
immagine = b"".join(  # rows bottom up, two pixels a byte
    bytes(indice[r[x]] << 4 | indice[r[x + 1]] for x in range(0, larghezza, 2)) for r in reversed(pixel))
maschera = b"".join(
    int("".join("1" if colori[c] is None else "0" for c in r), 2).to_bytes(4, "big") for r in reversed(pixel))
colori_bgr = b"".join(c[::-1] + b"\0" for c in tavolozza + [b"\0\0\0"] * (16 - len(tavolozza)))
intestazione = struct.pack("<IiiHHIIiiII", 40, larghezza, 2 * altezza, 1, 4, 0, len(immagine) + len(maschera), 0, 0,
                           16, 0)
dati = intestazione + colori_bgr + immagine + maschera
with open(sys.argv[2], "wb") as f:
    f.write(struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(dati), 22) + dati)
