#!/usr/bin/python3
"""The web page in headless Chromium, driven over the DevTools protocol.

Serves the built page folder from a plain static server on 127.0.0.1 and
checks:
  - without ?autostart nothing runs until the start cover is clicked;
then, opened with ?autostart, against demo_capture (the same demo on a
virtual clock):
  - the program starts: the canvas is drawn, the sound device is opened and
    plays buffers that are not silent;
  - the page loaded the SIMD program where the browser runs WebAssembly SIMD
    (headless Chromium does), else the plain one, and only that one;
  - a screenshot of the canvas, reduced to 256 x 256, is exactly one of the
    pictures demo_capture presents (the title where the capture shows it);
  - the canvas keeps the picture's 256 x 256 pixels (the page enlarges it);
  - a real key press (space) ends the scene: a later screenshot is none of the
    pictures of a run without it, and is exactly one of those demo_capture
    presents after the press with space at a frame between the one shown just
    before the press and the last the key was held down for; the same for a
    tap on the picture (touch events, touch emulation on) and a click on the
    glow button, each after the presses before it;
  - hidden behind a second tab, the demo pauses: no presentation, no sound
    buffer started; shown again, it goes on from the picture it stopped at,
    as if the hidden time had not passed;
  - the full-screen button fills the screen's height with the picture at its
    expected size, and Escape leaves full screen without ending the demo;
  - Escape fades out and ends the program: the page says "the demo has ended",
    and neither the canvas nor the sound device is fed any more;
  - on a phone's screen (390 x 844 at 3 device pixels per CSS pixel, and
    turned), the picture is 1024 device pixels wide and nothing scrolls or
    overlaps: the buttons, at least 44 CSS pixels, fit beside or below it;
  - the page is installable, and offline (the network off, the server gone)
    the page and the program come from the service worker's copy: the demo
    starts and draws its picture.
It also measures the rate of presentations at 50 frames per second with glow
and blur on (information, not a check), and leaves the screenshots in the
work folder (phone-portrait.png, phone-landscape.png and full.png show the
whole page).

usage: page_test.py WEB_DIR DEMO_CAPTURE WORK_DIR
Needs chromium, ImageMagick's convert and python3-websocket (tools/setup.sh).
"""

import base64
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import threading
import time
import urllib.request

import websocket

TIME_LIMIT_S = 240  # the whole test, browser included
BLACK = 0x9C735BED0A722325  # hash of the 256 x 256 black screen
FRAME_RATE = 25  # the demo's rate at start
PRESS_SLACK_FRAMES = 5  # a key event waiting for the page's next turn, timer jitter
HIDDEN_S = 3  # how long the page is hidden behind a second tab

# Counts canvas updates (one per presentation) and keeps the sound contexts
# the page opens, before any of the page's own scripts run.
INSTRUMENT = """
window.__moxa = { presents: 0, audio: [], buffers: 0, sounding: 0, errors: [] };
(function () {
  // Before the page's own listeners: the counts when the page is hidden and shown.
  document.addEventListener("visibilitychange", () => {
    window.__moxa[document.hidden ? "hidden" : "shown"] = [window.__moxa.presents, window.__moxa.buffers];
  });
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function () {
    window.__moxa.presents++;
    return put.apply(this, arguments);
  };
  const Base = window.AudioContext;
  if (Base) {
    // Counts the sound buffers the page plays, and those that are not silent.
    window.AudioContext = class extends Base {
      constructor(...args) { super(...args); window.__moxa.audio.push(this); }
      createBufferSource() {
        const source = super.createBufferSource();
        const start = source.start.bind(source);
        source.start = (...args) => {
          window.__moxa.buffers++;
          if (source.buffer && source.buffer.getChannelData(0).some((v) => v !== 0)) {
            window.__moxa.sounding++;
          }
          return start(...args);
        };
        return source;
      }
    };
  }
  window.addEventListener("error", (e) => window.__moxa.errors.push(String(e.message)));
})();
"""

# Key identities as a keyboard sends them: DOM key, code, virtual key code.
KEYS = {
    "space": (" ", "Space", 32),
    "esc": ("Escape", "Escape", 27),
    "6": ("6", "Digit6", 54),
    "8": ("8", "Digit8", 56),
    "g": ("g", "KeyG", 71),
    "b": ("b", "KeyB", 66),
}

passed = 0


def fail(text):
    print(f"FAIL: {text}", file=sys.stderr)
    print(f"web page: {passed} passed, 1 failed")
    sys.exit(1)


def ok(text):
    global passed
    passed += 1
    print(f"ok: {text}", flush=True)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder):
    """A plain static server on a free port of 127.0.0.1, in a thread."""
    handler = functools.partial(QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Browser:
    """Headless Chromium with one page, spoken to over the DevTools protocol."""

    def __init__(self, work):
        self.proc = subprocess.Popen(
            ["chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
             "--no-first-run", "--no-default-browser-check", "--mute-audio",
             "--autoplay-policy=no-user-gesture-required",
             "--remote-debugging-port=0", "--remote-allow-origins=*",
             f"--user-data-dir={work}/profile", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        port = None
        deadline = time.monotonic() + 60
        for line in self.proc.stderr:
            m = re.search(r"DevTools listening on ws://127\.0\.0\.1:(\d+)/", line)
            if m:
                port = int(m.group(1))
                break
            if time.monotonic() > deadline:
                break
        if port is None:
            self.close()
            fail("chromium did not open its DevTools port")
        # Keep reading its standard error so that it never blocks on a full pipe.
        threading.Thread(target=lambda: [None for _ in self.proc.stderr], daemon=True).start()
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json/list", timeout=30) as r:
            pages = [t for t in json.load(r) if t.get("type") == "page"]
        if not pages:
            self.close()
            fail("chromium has no page to drive")
        self.ws = websocket.create_connection(pages[0]["webSocketDebuggerUrl"], timeout=60)
        self.next_id = 0
        self.exceptions = []

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            msg = json.loads(self.ws.recv())
            if msg.get("method") == "Runtime.exceptionThrown":
                self.exceptions.append(msg["params"]["exceptionDetails"].get("text", "?"))
            if msg.get("id") == self.next_id:
                if "error" in msg:
                    fail(f"{method}: {msg['error']}")
                return msg.get("result", {})

    def eval(self, expression):
        r = self.call("Runtime.evaluate", expression=expression, returnByValue=True)
        return r.get("result", {}).get("value")

    def press(self, name):
        """A key held for 150 ms, as a person presses it (a press and its
        release within one frame would be lost)."""
        key, code, vk = KEYS[name]
        text = key if len(key) == 1 else ""
        self.call("Input.dispatchKeyEvent", type="keyDown", key=key, code=code,
                  windowsVirtualKeyCode=vk, nativeVirtualKeyCode=vk, text=text)
        time.sleep(0.15)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=vk, nativeVirtualKeyCode=vk)
        time.sleep(0.1)

    def shot(self, path):
        """The canvas as shown, reduced to its 256 x 256 pixels; returns the
        reduced picture's hash as demo_capture computes it."""
        box = self.eval("(() => { const r = document.getElementById('screen')"
                        ".getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; })()")
        x, y, w, h = box
        r = self.call("Page.captureScreenshot", format="png",
                      clip={"x": x, "y": y, "width": w, "height": h, "scale": 1})
        with open(path, "wb") as f:
            f.write(base64.b64decode(r["data"]))
        rgb = subprocess.run(["convert", path, "-sample", "256x256!", "-depth", "8", "rgb:-"],
                             check=True, capture_output=True).stdout
        if len(rgb) != 256 * 256 * 3:
            fail(f"{path}: {len(rgb)} bytes of pixels, expected {256 * 256 * 3}")
        return picture_hash(rgb)

    def click(self, selector):
        """A left click at the middle of the element, as a person's."""
        x, y = self.eval(f"(() => {{ const r = document.querySelector('{selector}')"
                         ".getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()")
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def page_shot(self, path):
        """The whole page as shown."""
        r = self.call("Page.captureScreenshot", format="png")
        with open(path, "wb") as f:
            f.write(base64.b64decode(r["data"]))

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()


def picture_hash(rgb):
    """FNV-1a 64 over the pixels as 0x00RRGGBB values, bytes B, G, R, 0."""
    h = 0xCBF29CE484222325
    prime = 0x100000001B3
    mask = 0xFFFFFFFFFFFFFFFF
    for i in range(0, len(rgb), 3):
        h = ((h ^ rgb[i + 2]) * prime) & mask
        h = ((h ^ rgb[i + 1]) * prime) & mask
        h = ((h ^ rgb[i]) * prime) & mask
        h = (h * prime) & mask
    return h


def capture(tool, frames, work, keys=None):
    """demo_capture's presentations: a list of (frame count, hash)."""
    out = os.path.join(work, "hashes.txt")
    cmd = [tool, "--frames", str(frames), "--hashes", out]
    if keys:
        cmd += ["--keys", keys]
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, timeout=120)
    with open(out) as f:
        return [(int(p[1]), int(p[2], 16)) for p in (line.split() for line in f)]


def frames_of(pictures, h):
    return [n for n, ph in pictures if ph == h]


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    web, tool, work = (os.path.abspath(a) for a in sys.argv[1:])
    for name in ("index.html", "page.js", "moxa7730.js", "moxa7730.wasm", "moxa7730-simd.js",
                 "moxa7730-simd.wasm"):
        if not os.path.isfile(os.path.join(web, name)):
            fail(f"{web}/{name} is missing (tools/build_web.sh builds it)")
    os.makedirs(work, exist_ok=True)
    started = time.monotonic()
    limit = threading.Timer(TIME_LIMIT_S, lambda: (print(f"FAIL: over {TIME_LIMIT_S} s", file=sys.stderr),
                                                   os._exit(1)))
    limit.daemon = True
    limit.start()

    server = serve(web)
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"
    shutil.rmtree(os.path.join(work, "profile"), ignore_errors=True)  # no earlier run's offline copy
    browser = Browser(work)
    try:
        run(browser, url, tool, work, server)
    finally:
        browser.close()
        server.shutdown()
        server.server_close()
    print(f"web page: {passed} passed, 0 failed ({time.monotonic() - started:.0f} s)")


def wait_for_presents(b, count, seconds=60):
    """Waits until the canvas has been drawn count times; false on time-out."""
    deadline = time.monotonic() + seconds
    while (b.eval("window.__moxa ? window.__moxa.presents : 0") or 0) < count:
        if time.monotonic() > deadline:
            return False
        time.sleep(0.2)
    return True


def run(b, url, tool, work, server):
    b.call("Page.enable")
    b.call("Runtime.enable")
    b.call("Page.addScriptToEvaluateOnNewDocument", source=INSTRUMENT)
    b.call("Emulation.setDeviceMetricsOverride", width=800, height=800,
           deviceScaleFactor=1, mobile=False)

    # Without ?autostart the cover holds the program back until a click.
    b.call("Page.navigate", url=url)
    time.sleep(2)
    if not b.eval("!document.getElementById('cover').hidden") or b.eval("window.__moxa.presents"):
        fail("without ?autostart the page does not wait behind its cover")
    for kind in ("mousePressed", "mouseReleased"):
        b.call("Input.dispatchMouseEvent", type=kind, x=400, y=300, button="left", clickCount=1)
    if not wait_for_presents(b, 1):
        fail("a click on the cover does not start the program")
    ok("the cover holds the program back until it is clicked")

    b.call("Page.navigate", url=url + "?autostart")
    opened = time.monotonic()
    if not wait_for_presents(b, 10):
        errors = b.eval("window.__moxa ? window.__moxa.errors : []")
        said = b.eval("document.getElementById('status').textContent")
        fail(f"the canvas was not drawn within 60 s (page errors: {errors}, status: {said!r})")
    state = b.eval("window.__moxa.audio.map((c) => c.state).join(',')")
    if not state:
        fail("the page opened no sound device")
    size = b.eval("[document.getElementById('screen').width, document.getElementById('screen').height]")
    if size != [256, 256]:
        fail(f"the canvas holds {size} pixels, not the picture's own 256 x 256 (CSS enlarges it)")
    ok(f"the program runs: the canvas is drawn, 256 x 256, sound opened ({state})")

    # The program the page chose: the SIMD build wherever SIMD validates (asked
    # here with another instruction than the page's probe, v128.const).
    simd = b.eval("WebAssembly.validate(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, "
                  "0, 1, 123, 3, 2, 1, 0, 10, 22, 1, 20, 0, 253, 12, " + "0, " * 16 + "11]))")
    fetched = set(b.eval("performance.getEntriesByType('resource')"
                         ".map((e) => e.name.split('/').pop())") or [])
    want = "moxa7730-simd.wasm" if simd else "moxa7730.wasm"
    other = "moxa7730.wasm" if simd else "moxa7730-simd.wasm"
    if want not in fetched or other in fetched:
        fail(f"the browser {'runs' if simd else 'lacks'} WebAssembly SIMD, yet the page "
             f"fetched {sorted(n for n in fetched if n.endswith('.wasm'))}")
    ok(f"the page loaded {want} (WebAssembly SIMD {'present' if simd else 'absent'})")

    # The picture a few seconds in: exactly one of demo_capture's.
    time.sleep(3)
    buffers, sounding = b.eval("[window.__moxa.buffers, window.__moxa.sounding]")
    if not sounding:
        fail(f"no sound: {buffers} buffers played, none of them with music")
    ok(f"the music plays: {sounding} of {buffers} buffers played so far carry sound")
    title = b.shot(os.path.join(work, "title.png"))
    elapsed = time.monotonic() - opened
    horizon = int(elapsed * FRAME_RATE) + 100
    plain = capture(tool, horizon + 200, work)
    if title == BLACK:
        fail("the canvas is black after three seconds")
    found = frames_of(plain, title)
    if not found:
        fail(f"the canvas after {elapsed:.1f} s is none of demo_capture's {len(plain)} presentations")
    ok(f"the canvas after {elapsed:.1f} s is demo_capture's frame {found[0]}, title included")

    # Space, a tap on the picture, the glow button: each must change the
    # picture as its key does in demo_capture, after the presses before it.
    script = check_press(b, tool, work, opened, [], "space", "space", lambda: b.press("space"))
    b.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
    script = check_press(b, tool, work, opened, script, "space", "a tap on the picture",
                         lambda: tap(b, "#screen"))
    b.call("Emulation.setTouchEmulationEnabled", enabled=False)
    script = check_press(b, tool, work, opened, script, "g", "the glow button",
                         lambda: b.click("#keys button[data-key=g]"))
    check_hidden(b, tool, work, opened, script)
    check_full_screen(b, work)

    # 50 frames per second with glow (on since its button), blur and the
    # overlay on: the rate.
    for key in ("6", "b", "8"):
        b.press(key)
    time.sleep(2)
    n0, t0 = b.eval("window.__moxa.presents"), time.monotonic()
    time.sleep(4)
    n1, t1 = b.eval("window.__moxa.presents"), time.monotonic()
    b.shot(os.path.join(work, "rate.png"))
    rate = (n1 - n0) / (t1 - t0)
    print(f"info: {rate:.1f} presentations per second at 50 frames per second with glow, "
          "blur and the overlay on (the overlay's figure is in rate.png)", flush=True)

    # Escape: the fade-out, then the end line; nothing is drawn after it.
    said = b.eval("document.getElementById('status').textContent")
    if said or b.eval("document.getElementById('help').hidden"):
        fail(f"before Escape the page already says {said!r} instead of the key help")
    b.press("esc")
    ended = time.monotonic()
    while b.eval("document.getElementById('status').textContent") != "the demo has ended":
        if time.monotonic() - ended > 10:
            fail("Escape: the page does not say the demo has ended")
        time.sleep(0.2)
    last = b.eval("[window.__moxa.presents, window.__moxa.buffers]")
    time.sleep(1)
    now = b.eval("[window.__moxa.presents, window.__moxa.buffers]")
    if now[0] != last[0]:
        fail("the canvas is still drawn after the end")
    if now[1] != last[1]:
        fail("the sound device still plays new buffers after the end")
    if b.shot(os.path.join(work, "end.png")) != BLACK:
        fail("after Escape's fade-out the canvas is not black")
    ok("Escape fades out to black, the sound stops and the page says the demo has ended")

    check_phones(b, url, work)
    check_offline(b, url, work, server, plain)
    if b.exceptions:
        fail(f"the page threw: {b.exceptions}")


def tap(b, selector):
    """A finger's tap at the middle of the element, held for 100 ms."""
    x, y = b.eval(f"(() => {{ const r = document.querySelector('{selector}')"
                  ".getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()")
    b.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
    time.sleep(0.1)
    b.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
    time.sleep(0.1)


def check_press(b, tool, work, opened, script, key, name, act):
    """Does act, a press of key by some means, and checks that the canvas then
    shows exactly a picture demo_capture presents with the key script plus key
    at a frame from the one shown just before the press up to the last the
    press can have reached (the scenes' pictures follow the frame count, so
    the first frame tried usually matches: one capture). Returns the script
    with the press."""
    horizon = int((time.monotonic() - opened) * FRAME_RATE) + 200
    known = capture(tool, horizon, work, ",".join(script))
    pressed = time.monotonic()
    label = key if key != " " else "space"
    before = b.shot(os.path.join(work, f"before-{len(script)}-{label}.png"))
    found = frames_of(known, before)
    if not found:
        fail(f"{name}: the picture just before the press is none of demo_capture's")
    first, last = found[0], found[-1]  # a still picture spans frames
    act()
    window = last - first + int((time.monotonic() - pressed) * FRAME_RATE) + PRESS_SLACK_FRAMES
    time.sleep(2)
    after = b.shot(os.path.join(work, f"after-{len(script)}-{label}.png"))
    # The page waits for each frame's time: it cannot have gone further.
    latest = last + int((time.monotonic() - pressed) * FRAME_RATE) + PRESS_SLACK_FRAMES
    if after in {h for n, h in known if n <= latest}:
        fail(f"after {name} the canvas still shows a picture of the run without it")
    for k in range(first, first + window + 1):
        tried = script + [f"{k}:{key}"]
        shown = [n for n in frames_of(capture(tool, latest + 1, work, ",".join(tried)), after)
                 if k < n <= latest]
        if shown:
            ok(f"after {name} the canvas is demo_capture's frame {shown[0]} of {key} at frame {k} "
               f"(the picture before the press was frame {first})")
            return tried
    fail(f"after {name} the canvas is none of the pictures of frames up to {latest} of "
         f"{key} at frames {first}..{first + window} after {script}")


def check_hidden(b, tool, work, opened, script):
    """A second tab in front hides the page for HIDDEN_S: nothing may be
    presented or started in the sound device meanwhile (one frame under way
    may finish), and shown again the demo goes on from the picture it stopped
    at, as far as the time it was visible allows."""
    horizon = int((time.monotonic() - opened) * FRAME_RATE) + 200
    known = capture(tool, horizon, work, ",".join(script))
    me = b.call("Target.getTargetInfo")["targetInfo"]["targetId"]
    t_before = time.monotonic()
    found = frames_of(known, b.shot(os.path.join(work, "before-hidden.png")))
    if not found:
        fail("the picture before the page is hidden is none of demo_capture's")
    t_hide = time.monotonic()
    other = b.call("Target.createTarget", url="about:blank")["targetId"]
    time.sleep(HIDDEN_S)
    b.call("Target.activateTarget", targetId=me)
    t_show = time.monotonic()
    b.call("Target.closeTarget", targetId=other)
    time.sleep(1)
    after = b.shot(os.path.join(work, "after-hidden.png"))
    t_after = time.monotonic()
    hidden, shown = b.eval("[window.__moxa.hidden, window.__moxa.shown]")
    if hidden is None or shown is None:
        fail("a second tab in front does not hide the page, or closing it does not show it")
    if shown[0] - hidden[0] > 1 or shown[1] != hidden[1]:
        fail(f"while hidden the page presented {shown[0] - hidden[0]} pictures and started "
             f"{shown[1] - hidden[1]} sound buffers")
    visible = (t_hide - t_before) + (t_after - t_show)
    latest = found[-1] + int(visible * FRAME_RATE) + PRESS_SLACK_FRAMES
    went_on = [n for n in frames_of(known, after) if found[0] < n <= latest]
    if not went_on:
        fail(f"shown again, the canvas is none of demo_capture's frames {found[0] + 1}..{latest} "
             f"(hidden at frame {found[0]}, {visible:.1f} s visible)")
    ok(f"hidden for {HIDDEN_S} s the demo paused (no frame, no sound buffer); shown "
       f"again it went on from frame {found[0]} to {went_on[0]} in {visible:.1f} s visible")


def full_size(width, height, ratio):
    """The picture's size in full screen, in device pixels: the largest whole
    multiple of 256 if that is at least 80 % of the shorter side, else the side."""
    side = int(min(width, height) * ratio)
    whole = side // 256 * 256
    return whole if whole >= 0.8 * side else side


def check_full_screen(b, work):
    b.click("#full")
    deadline = time.monotonic() + 10
    while not b.eval("document.fullscreenElement !== null"):
        if time.monotonic() > deadline:
            fail("the full-screen button does not put the page in full screen")
        time.sleep(0.2)
    time.sleep(0.5)
    w, h, ratio, size = b.eval("[innerWidth, innerHeight, devicePixelRatio, "
                               "document.getElementById('screen').getBoundingClientRect().height]")
    b.page_shot(os.path.join(work, "full.png"))
    expected = full_size(w, h, ratio)
    if abs(size * ratio - expected) > 0.5:
        fail(f"in full screen ({w} x {h} at {ratio}) the picture is {size * ratio:.1f} device "
             f"pixels high, not {expected}")
    b.press("esc")
    deadline = time.monotonic() + 10
    while b.eval("document.fullscreenElement !== null"):
        if time.monotonic() > deadline:
            fail("Escape does not leave full screen")
        time.sleep(0.2)
    time.sleep(1.5)  # a fade-out and its end, had Escape reached the program
    n0 = b.eval("window.__moxa.presents")
    time.sleep(1)
    said = b.eval("document.getElementById('status').textContent")
    if said or b.eval("window.__moxa.presents") == n0:
        fail(f"Escape in full screen ended the demo (the page says {said!r})")
    ok(f"full screen from its button: the picture {expected} device pixels high on a screen "
       f"{h} high; Escape leaves it and the demo goes on")


# The phone screens (CSS pixels at 3 device pixels each) and the picture's
# expected width in device pixels: the largest multiple of 256 that fits.
PHONES = (("portrait", 390, 844, 1024), ("landscape", 844, 390, 1024))

# Where the page's parts are, and whether anything scrolls.
LAYOUT = """(() => {
  const box = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
  const root = document.documentElement;
  return { w: innerWidth, h: innerHeight, ratio: devicePixelRatio,
           scroll: [root.scrollWidth, root.scrollHeight],
           picture: box(document.getElementById('screen')),
           parts: [...document.querySelectorAll('#keys button, #help')].map(box) };
})()"""


def check_phones(b, url, work):
    for name, width, height, expected in PHONES:
        b.call("Emulation.setDeviceMetricsOverride", width=width, height=height,
               deviceScaleFactor=3, mobile=True)
        b.call("Page.navigate", url=url + "?autostart")
        if not wait_for_presents(b, 3 * FRAME_RATE):
            fail(f"on a {name} phone the program does not start")
        layout = b.eval(LAYOUT)
        b.page_shot(os.path.join(work, f"phone-{name}.png"))
        w, h, ratio = layout["w"], layout["h"], layout["ratio"]
        left, top, right, bottom = layout["picture"]
        if abs((right - left) * ratio - expected) > 0.5 or abs((bottom - top) * ratio - expected) > 0.5:
            fail(f"on a {name} phone the picture is {(right - left) * ratio:.1f} device pixels wide, "
                 f"not {expected}")
        if layout["scroll"][0] > w or layout["scroll"][1] > h:
            fail(f"on a {name} phone the page scrolls: {layout['scroll']} in {w} x {h}")
        for x0, y0, x1, y1 in layout["parts"]:
            if x0 < 0 or y0 < 0 or x1 > w or y1 > h:
                fail(f"on a {name} phone a control at {[x0, y0, x1, y1]} is outside the {w} x {h} screen")
            if x0 < right and x1 > left and y0 < bottom and y1 > top:
                fail(f"on a {name} phone a control at {[x0, y0, x1, y1]} covers the picture")
        small = [p for p in layout["parts"][:-1] if p[2] - p[0] < 44 or p[3] - p[1] < 44]
        if small:
            fail(f"on a {name} phone buttons are smaller than 44 CSS pixels: {small}")
        ok(f"on a {name} phone ({width} x {height} at 3) the picture is {expected} device pixels "
           f"and {len(layout['parts']) - 1} buttons fit without scrolling")
    b.call("Emulation.setDeviceMetricsOverride", width=800, height=800, deviceScaleFactor=1, mobile=False)


def check_offline(b, url, work, server, plain):
    """Offline: the network switched off and the server gone, the page comes
    from the service worker's copy, program included, and the demo draws.
    Before that, Chromium must find the page installable (manifest, icons,
    service worker)."""
    errors = b.call("Page.getInstallabilityErrors")["installabilityErrors"]
    if errors:
        fail(f"the page cannot be installed: {errors}")
    b.call("Network.enable")
    b.call("Network.emulateNetworkConditions", offline=True, latency=0,
           downloadThroughput=-1, uploadThroughput=-1)
    server.shutdown()
    server.server_close()
    b.call("Page.navigate", url=url + "?autostart")
    if not wait_for_presents(b, 10, seconds=30):
        said = b.eval("document.getElementById('status') && document.getElementById('status').textContent")
        fail(f"offline the demo does not start (the page says {said!r})")
    time.sleep(3)
    shown = b.shot(os.path.join(work, "offline.png"))
    if shown == BLACK or not frames_of(plain, shown):
        fail("offline the canvas is none of demo_capture's pictures")
    ok("the page is installable; offline, the page and the program come from the kept copy, "
       "and the demo draws")


if __name__ == "__main__":
    main()
