#!/usr/bin/env python3
"""kestrano in Debian's headless Chromium, as a pupil uses it by mouse and by finger: the page
served on 127.0.0.1, then the single file from file://. Prints what it saw when a check fails.
Usage: controlla_web.py FOLDER SINGLE_FILE.html SCREENSHOT_FOLDER"""
import functools
import http.server
import json
import pathlib
import re
import sys
import threading
import time

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

cartella, un_file, foto = (pathlib.Path(a).resolve() for a in sys.argv[1:4])
richieste = []


class Servitore(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        richieste.append(self.path)


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Servitore, directory=cartella))
threading.Thread(target=server.serve_forever, daemon=True).start()
indirizzo = f"http://127.0.0.1:{server.server_port}/"


o = webdriver.ChromeOptions()
o.binary_location = "/usr/bin/chromium"
for a in ("--headless=new", "--no-sandbox", "--no-first-run", "--disable-background-networking",
          "--disable-component-update", "--disable-sync", "--disable-quic", "--window-size=1280,900"):
    o.add_argument(a)
o.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
d = webdriver.Chrome(options=o, service=Service("/usr/bin/chromedriver"))


def fallisci(cosa):
    console = [str(r.get("message")) for r in d.get_log("browser")]
    print(f"web check FAILED: {cosa}\nrequests: {richieste}\nconsole:\n" + "\n".join(console[-40:]))
    d.save_screenshot(str(foto / "fallita.png"))
    d.quit()
    sys.exit(1)


def entro(cosa, condizione, secondi=60):
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        if (v := condizione()):
            return v
        time.sleep(0.05)
    fallisci(f"waited {secondi} s for {cosa}")


def js(codice, *argomenti):
    return d.execute_script(codice, *argomenti)


# The accessibility mirror's element for a control, by the name a screen reader says.
def rettangolo(nome, tag="button"):
    return js("""const radice = document.getElementById('qt-shadow-container')?.shadowRoot;
                 const e = radice && [...radice.querySelectorAll(arguments[1])].find(
                   x => x.textContent === arguments[0] && x.ariaHidden !== 'true' && x.isConnected);
                 if (!e) return null; const r = e.getBoundingClientRect();
                 return [r.left + r.width / 2, r.top + r.height / 2];""", nome, tag)


def dito(nome, alza=True):  # a finger on a control, lifted at once or by the function returned
    x, y = entro(f'"{nome}" in the mirror', lambda: rettangolo(nome))
    d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [{"x": x, "y": y}]})
    via = lambda: d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
    return via() if alza else via


def clicca(nome=None, punto=None):
    x, y = punto or entro(f'"{nome}" in the mirror', lambda: rettangolo(nome))
    for tipo in ("mousePressed", "mouseReleased"):
        d.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": tipo, "x": x, "y": y, "button": "left", "clickCount": 1})


def pixel(nome_foto):
    d.save_screenshot(str(foto / nome_foto))
    return Image.open(foto / nome_foto).convert("RGB")


def quota(img, colore, riquadro):  # share of the box's pixels of that colour
    parte = img.crop(riquadro)
    return sum(1 for p in parte.getdata() if p == colore) / (parte.width * parte.height)


annunci = lambda: js("return window.__annunci || []")


# Every text that reaches the live regions, in order, as a screen reader gets it.
OSSERVA = """window.__annunci = [];
  document.addEventListener('DOMContentLoaded', () => new MutationObserver(ms => { for (const m of ms) for (const n of m.addedNodes)
      if (n.parentElement && n.parentElement.id.startsWith('qt-live')) window.__annunci.push(n.textContent); })
    .observe(document.body, {childList: true, subtree: true}));"""

d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": OSSERVA})
d.get(indirizzo)
entro("the start window", lambda: rettangolo("Esci"))
img = pixel("web-inizio.png")
x, y = rettangolo("Esci")
if img.getpixel((int(x) - 150, int(y))) != (255, 128, 255):
    fallisci(f"the face of E S C I is {img.getpixel((int(x) - 150, int(y)))}, not FF80FF")
x, y = rettangolo("IL METRO E I SUOI MULTIPLI")
if img.getpixel((int(x) - 250, int(y))) != (255, 192, 255):
    fallisci(f"the start window's background is {img.getpixel((int(x) - 250, int(y)))}, not FFC0FF")

# Chromium's accessibility tree: the buttons by their captions, the labels as text.
albero = d.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
nomi = {(n.get("role", {}).get("value"), n.get("name", {}).get("value")) for n in albero}
for atteso in (("button", "IL METRO E I SUOI MULTIPLI"), ("button", "Esci"), ("button", "Info"),
               ("StaticText", "LE UNITA' DI MISURA DI LUNGHEZZA"), ("StaticText", "Il software di Velmaro")):
    if atteso not in nomi:
        fallisci(f"{atteso} not in Chromium's accessibility tree: {sorted(n for n in nomi if n[1])}")

# "Info" held by a finger: the info window at the top centre until the finger lifts.
larghezza = js("return window.innerWidth")
riquadro = (larghezza // 2 - 100, 40, larghezza // 2 + 100, 60)
alza = dito("Info", alza=False)
entro("the info window while Info is held", lambda: quota(pixel("web-info.png"), (192, 255, 255), riquadro) > 0.5)
alza()
entro("the info window gone at the lift", lambda: quota(pixel("web-info-via.png"), (192, 255, 255), riquadro) < 0.05)

# The multiples quiz by a click; an answer and "Verifica" by touch; each step announced.
clicca("IL METRO E I SUOI MULTIPLI")
entro("the question announced", lambda: any(re.match(r"Domanda \d+\. ", a) for a in annunci()))
dito("10")
entro("the answer announced", lambda: any(a.startswith("10.") for a in annunci()))
dito("Verifica")
entro("the outcome announced",
      lambda: any(re.search(r"\. Tempo parziale .+\. Tempo totale .+\.$", a) for a in annunci()))
pixel("web-verificata.png")
print("announced:", json.dumps(annunci(), ensure_ascii=False))

# Nothing fetched from elsewhere, nothing stored.
altrove = [m["params"]["request"]["url"] for r in d.get_log("performance")
           if (m := json.loads(r["message"])["message"])["method"] == "Network.requestWillBeSent"
           and not m["params"]["request"]["url"].startswith((indirizzo, "data:", "blob:"))]
if altrove:
    fallisci(f"requests elsewhere: {altrove}")
memoria = d.execute_async_script("""const fatto = arguments[0];
  Promise.all([indexedDB.databases(), caches.keys(), navigator.serviceWorker.getRegistrations()])
    .then(([db, c, sw]) => fatto([document.cookie, localStorage.length, sessionStorage.length, db.length, c.length, sw.length]));""")
if memoria != ["", 0, 0, 0, 0, 0]:
    fallisci(f"stored in the browser (cookie, local, session, IndexedDB, caches, workers): {memoria}")

# The frame's close button closes the quiz; "E S C I" ends the program, and the page says so.
clicca(punto=js("""const radice = document.getElementById('qt-shadow-container').shadowRoot;
  const w = [...radice.querySelectorAll('.qt-window')].find(
      w => [...w.querySelectorAll('button')].some(b => b.textContent === 'Verifica'));
  const r = [...w.querySelectorAll('.image-button')].filter(b => b.getBoundingClientRect().width).pop()
      .getBoundingClientRect();
  return [r.left + r.width / 2, r.top + r.height / 2];"""))
entro("the quiz closed", lambda: not rettangolo("Verifica"))
clicca("Esci")
entro("the ending page", lambda: js("return document.getElementById('messaggio').textContent") == "kestrano è terminato.")
pixel("web-terminato.png")
if not js("return !document.getElementById('ancora').hidden"):
    fallisci("no button to start kestrano again")
print(f"web: {len(set(richieste))} files requested from 127.0.0.1: {sorted(set(richieste))}")

# A small screen at a device pixel ratio of 2: the whole start window scaled down to fit, drawn
# at the device's pixels.
d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 800, "height": 600, "deviceScaleFactor": 2, "mobile": False})
d.get(indirizzo)
entro("the start window on a small screen", lambda: rettangolo("Esci"))
finestra = js("""const w = document.getElementById('qt-shadow-container').shadowRoot.querySelector('.qt-window')
                   .getBoundingClientRect(); return [w.left, w.top, w.right, w.bottom];""")
if finestra[0] < 0 or finestra[1] < 0 or finestra[2] > 800 or finestra[3] > 600:
    fallisci(f"the start window {finestra} is not whole on an 800 x 600 screen")
if pixel("web-inizio-800x600@2x.png").size != (1600, 1200):
    fallisci("the screenshot at a device pixel ratio of 2 is not 1600 x 1200")
d.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})

# The single file, from file://.
d.get(un_file.as_uri())
entro("the start window from file://", lambda: rettangolo("Esci"), 120)
pixel("web-un-file.png")
d.quit()
print("web checks: 10 passed, 0 failed")
