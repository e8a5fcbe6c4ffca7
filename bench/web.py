#!/usr/bin/env python3
"""The browser's benchmark: the download (every file the page fetches, gzip -9 as a server
sends it) and the time from navigation to the start window's first frame in Debian's headless
Chromium, served from 127.0.0.1 with the browser's cache off, for kestrano and for a bare Qt for
WebAssembly window with the same texts built the same way; rounds interleaved, min / median / max.
Usage: web.py BUILD_FOLDER PAGE_FOLDER [ROUNDS] (run by scripts/web)."""
import functools
import gzip
import http.server
import pathlib
import shutil
import statistics
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

costruzione, pagina = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
giri = int(sys.argv[3]) if len(sys.argv) > 3 else 10
cartella = pathlib.Path(tempfile.mkdtemp())
shutil.copy(costruzione / "qtloader.js", cartella)
programmi = ("avvio_base_testi", "avvio_kestrano")
for p in programmi:
    for estensione in (".js", ".wasm"):
        shutil.copy(costruzione / (p + estensione), cartella)
    (cartella / f"{p}.html").write_text(f"""<!DOCTYPE html><html><body style="margin:0">
<div id="s" style="position:absolute;inset:0"></div><script src="qtloader.js"></script><script src="{p}.js"></script>
<script>qtLoad({{print: () => {{ window.primo = performance.now(); }},
  qt: {{entryFunction: window.{p}_entry, containerElements: [document.getElementById("s")]}}}});</script></body></html>""")


def scaricato(*file):
    return sum(len(gzip.compress(f.read_bytes(), 9)) for f in file)


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(
    type("Muto", (http.server.SimpleHTTPRequestHandler,), {"log_message": lambda *a: None}), directory=cartella))
threading.Thread(target=server.serve_forever, daemon=True).start()
o = webdriver.ChromeOptions()
o.binary_location = "/usr/bin/chromium"
for a in ("--headless=new", "--no-sandbox", "--no-first-run", "--disable-background-networking",
          "--disable-component-update", "--disable-sync", "--window-size=1280,1024"):
    o.add_argument(a)
d = webdriver.Chrome(options=o, service=Service("/usr/bin/chromedriver"))
d.execute_cdp_cmd("Network.setCacheDisabled", {"cacheDisabled": True})
tempi = {p: [] for p in programmi}
for _ in range(giri + 1):
    for p in programmi:
        d.get(f"http://127.0.0.1:{server.server_port}/{p}.html")
        fine = time.monotonic() + 60
        while (t := d.execute_script("return window.primo")) is None and time.monotonic() < fine:
            time.sleep(0.01)
        if t is None:
            d.quit()
            sys.exit(f"web benchmark: {p} drew no window in 60 s")
        tempi[p].append(t)
d.quit()
kestrano = pagina.glob("*")
print(f"download of the page, gzip -9: kestrano {scaricato(*kestrano) / 1e6:.2f} MB "
      f"(limit 4.00 MB); bare window {scaricato(cartella / 'qtloader.js', cartella / 'avvio_base_testi.js', cartella / 'avvio_base_testi.wasm') / 1e6:.2f} MB")
for p in programmi:
    t = tempi[p][1:]  # the first round warms the machine
    print(f"first frame, {p:18} ms: min {min(t):6.0f}  median {statistics.median(t):6.0f}  max {max(t):6.0f}")
rapporto = statistics.median(tempi["avvio_kestrano"][1:]) / statistics.median(tempi["avvio_base_testi"][1:])
print(f"kestrano / bare window (medians): {rapporto:.2f}x (goal at most 1.25x)")
