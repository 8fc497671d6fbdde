// The page around the demo: the enlarged screen and its layout, the start
// cover, the end, the screen kept awake while the demo plays, and the offline
// copy (sw.js, made by tools/build_web.sh).
//
// Browsers start sound only after a gesture, so the program (moxa7730.js, which
// fetches moxa7730.wasm, or its SIMD build moxa7730-simd.js) is loaded only
// once the cover has been clicked or a key pressed; "?autostart" in the address
// skips the cover (tests, kiosks).
"use strict";

(function () {
  const canvas = document.getElementById("screen");
  const stage = document.getElementById("stage");
  const cover = document.getElementById("cover");
  const panel = document.getElementById("panel");
  const keys = document.getElementById("keys");
  const help = document.getElementById("help");
  const status = document.getElementById("status");
  const root = document.documentElement;

  // The picture's size: a whole multiple of 256 device pixels (sharp pixels),
  // the largest at which it and the panel fit the screen, the panel below the
  // picture or beside it (the screen's longer side first). In full screen,
  // the largest whole multiple if that fills at least 80 % of the screen's
  // shorter side, else the whole side.
  function fits(pixels, ratio, wide) {
    document.body.classList.toggle("wide", wide);
    root.style.setProperty("--size", pixels / ratio + "px");
    return [stage, panel].every((part) => {
      const r = part.getBoundingClientRect();
      return r.left >= 0 && r.top >= 0 && r.right <= window.innerWidth && r.bottom <= window.innerHeight;
    });
  }
  function fit() {
    const ratio = window.devicePixelRatio || 1;
    const full = (document.fullscreenElement || document.webkitFullscreenElement) != null;
    const side = Math.floor(Math.min(window.innerWidth, window.innerHeight) * ratio);
    const wide = window.innerWidth > window.innerHeight;
    document.body.classList.toggle("full", full);
    if (full) {
      const whole = Math.floor(side / 256) * 256;
      fits(whole >= 0.8 * side ? whole : side, ratio, false);
      return;
    }
    for (let times = Math.floor(side / 256); times > 1; --times) {
      if (fits(times * 256, ratio, wide) || fits(times * 256, ratio, !wide)) return;
    }
    if (!fits(256, ratio, wide) && !fits(256, ratio, !wide)) fits(256, ratio, wide);
  }
  window.addEventListener("resize", fit);
  document.addEventListener("fullscreenchange", fit);
  document.addEventListener("webkitfullscreenchange", fit);
  fit();

  function say(text) {
    status.textContent = text;
  }

  // The screen stays on while the demo plays, where the browser offers that
  // (a lock ends when the page is hidden: it is asked for again on show).
  let awake = false;
  let lock = null;
  function keepAwake() {
    if (!awake || document.hidden || !("wakeLock" in navigator)) return;
    navigator.wakeLock.request("screen").then((held) => { lock = held; }, () => {});
  }
  document.addEventListener("visibilitychange", keepAwake);

  function ended(text) {
    awake = false;
    if (lock !== null) lock.release();
    keys.hidden = true;
    help.hidden = true;
    say(text);
    if (document.fullscreenElement && document.exitFullscreen) document.exitFullscreen();
  }

  // The program's settings: its canvas, where its lines go, and its end. The
  // quit keys end the process with exit(0), which on this page shuts the
  // runtime down (the exit handlers close the sound device) and calls onExit.
  // (Not quit: the runtime also calls that when main first hands the thread
  // back to the browser, while the demo goes on.)
  window.Module = {
    canvas: canvas,
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    onExit: (status) => {
      ended(status === 0 ? "the demo has ended" : "the demo has ended (status " + status + ")");
    },
    onAbort: (what) => ended("the demo stopped: " + what),
  };

  // The program's script: moxa7730-simd.js (its kernels in WebAssembly's
  // 128-bit lanes) where the browser runs WebAssembly SIMD, which a module
  // holding one SIMD instruction (i8x16.splat) validating shows, else the plain
  // moxa7730.js. Either fetches only its own .wasm.
  const SIMD_PROBE = new Uint8Array([
    0, 97, 115, 109, 1, 0, 0, 0,       // "\0asm", version 1
    1, 5, 1, 96, 0, 1, 123,            // one type: () -> v128
    3, 2, 1, 0,                        // one function of that type
    10, 8, 1, 6, 0, 65, 0, 253, 15, 11 // its body: i32.const 0, i8x16.splat
  ]);
  function programScript() {
    const simd = typeof WebAssembly === "object" && WebAssembly.validate(SIMD_PROBE);
    return simd ? "moxa7730-simd.js" : "moxa7730.js";
  }

  // The offline copy keeps the page as it installs, and the program files the
  // page loads (named once the program is chosen).
  let offline = null;
  if ("serviceWorker" in navigator) {
    offline = navigator.serviceWorker.register("sw.js").then(() => navigator.serviceWorker.ready);
    offline.catch((e) => say("no offline copy: " + e.message));
  } else {
    say("no offline copy: this browser offers no service worker here (they need HTTPS)");
  }
  function keepOffline(script) {
    if (offline === null) return;
    const files = [script, script.replace(/\.js$/, ".wasm")];
    offline.then((registration) => registration.active.postMessage({ keep: files })).catch(() => {});
  }

  let started = false;
  function start() {
    if (started) return;
    if (window.location.protocol === "file:") {
      // Browsers do not fetch the WebAssembly module from a file.
      say("serve this folder over HTTP, e.g. python3 -m http.server in it, and open that address");
      return;
    }
    started = true;
    cover.hidden = true;
    window.removeEventListener("keydown", start);
    awake = true;
    keepAwake();
    const script = document.createElement("script");
    const name = programScript();
    script.src = name;
    script.onerror = () => say("cannot load " + name + ": build the page with tools/build_web.sh");
    keepOffline(script.src);
    document.body.appendChild(script);
  }

  if (new URLSearchParams(window.location.search).has("autostart")) {
    start();
  } else {
    cover.addEventListener("click", start);
    window.addEventListener("keydown", start);
    cover.focus();
  }
})();
