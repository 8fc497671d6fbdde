// The page around the demo: the enlarged screen, the start cover and the end.
//
// Browsers start sound only after a gesture, so the program (moxa7730.js, which
// fetches moxa7730.wasm, or its SIMD build moxa7730-simd.js) is loaded only
// once the cover has been clicked or a key pressed; "?autostart" in the address
// skips the cover (tests, kiosks).
"use strict";

(function () {
  const canvas = document.getElementById("screen");
  const cover = document.getElementById("cover");
  const help = document.getElementById("help");
  const status = document.getElementById("status");

  // The largest whole enlargement of 256 x 256 that fits beside the text lines.
  function fit() {
    const room = Math.min(window.innerWidth, window.innerHeight - 80);
    const scale = Math.max(1, Math.floor(room / 256));
    document.documentElement.style.setProperty("--scale", String(scale));
  }
  window.addEventListener("resize", fit);
  fit();

  function say(text) {
    status.textContent = text;
  }

  function ended(text) {
    help.hidden = true;
    say(text);
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
    const script = document.createElement("script");
    const name = programScript();
    script.src = name;
    script.onerror = () => say("cannot load " + name + ": build the page with tools/build_web.sh");
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
