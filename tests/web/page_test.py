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
    pictures of a run without keys, and is exactly one of those demo_capture
    presents after the press with space at a frame between the one shown just
    before the press and the last the key was held down for;
  - Escape fades out and ends the program: the page says "the demo has ended",
    and neither the canvas nor the sound device is fed any more.
It also measures the rate of presentations at 50 frames per second with glow
and blur on (information, not a check), and leaves the screenshots in the
work folder.

usage: page_test.py WEB_DIR DEMO_CAPTURE WORK_DIR
Needs chromium, ImageMagick's convert and python3-websocket (tools/setup.sh).
"""

import base64
import functools
import http.server
import json
import os
import re
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

# Counts canvas updates (one per presentation) and keeps the sound contexts
# the page opens, before any of the page's own scripts run.
INSTRUMENT = """
window.__moxa = { presents: 0, audio: [], buffers: 0, sounding: 0, errors: [] };
(function () {
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
    browser = Browser(work)
    try:
        run(browser, url, tool, work)
    finally:
        browser.close()
        server.shutdown()
    print(f"web page: {passed} passed, 0 failed ({time.monotonic() - started:.0f} s)")


def wait_for_presents(b, count, seconds=60):
    """Waits until the canvas has been drawn count times; false on time-out."""
    deadline = time.monotonic() + seconds
    while (b.eval("window.__moxa ? window.__moxa.presents : 0") or 0) < count:
        if time.monotonic() > deadline:
            return False
        time.sleep(0.2)
    return True


def run(b, url, tool, work):
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

    # Space: the next scene. The press lands at a frame from the one shown just
    # before it up to the frames that pass while the key is held; the canvas
    # afterwards must be exactly a picture demo_capture presents after space at
    # one of those frames, at a frame the page's clock allows. (The next
    # scene's pictures follow the frame count, so the first press frame tried
    # usually matches: one capture.)
    pressed = time.monotonic()
    before = b.shot(os.path.join(work, "before.png"))
    found = frames_of(plain, before)
    if not found:
        fail("the picture just before space is none of demo_capture's")
    first, last = found[0], found[-1]  # a still picture spans frames
    b.press("space")
    window = last - first + int((time.monotonic() - pressed) * FRAME_RATE) + PRESS_SLACK_FRAMES
    time.sleep(2)
    after = b.shot(os.path.join(work, "after.png"))
    # The page waits for each frame's time: it cannot have gone further.
    latest = last + int((time.monotonic() - pressed) * FRAME_RATE) + PRESS_SLACK_FRAMES
    if after in {h for _, h in plain}:
        fail("after space the canvas still shows a picture of the run without keys")
    for k in range(first, first + window + 1):
        shown = [n for n in frames_of(capture(tool, latest + 1, work, f"{k}:space"), after)
                 if k < n <= latest]
        if shown:
            ok(f"after space the canvas is demo_capture's frame {shown[0]} of space at frame {k} "
               f"(the picture before the press was frame {first})")
            break
    else:
        fail(f"after space the canvas is none of the pictures of frames up to {latest} of "
             f"space at frames {first}..{first + window}")

    # 50 frames per second with glow, blur and the overlay on: the rate.
    for key in ("6", "g", "b", "8"):
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
    if b.exceptions:
        fail(f"the page threw: {b.exceptions}")


if __name__ == "__main__":
    main()
