// The page's controls: the key buttons, a tap or click on the picture (space),
// full screen (its button, the key f, a double click on the picture) and the
// keys the page keeps from the program (Escape in full screen, Tab, Enter on
// a button).
//
// The controls reach the program the way a keyboard does: key events on the
// page, which the program reads once a frame. The program keeps only the last
// key event of a frame, so a press and its release within one frame would be
// lost: a press is held down for HOLD_MS, several frames at either rate.
"use strict";

(function () {
  // The whole page goes full screen, not the picture's box: the program's
  // library resizes a canvas whose parent is in full screen.
  const root = document.documentElement;
  const canvas = document.getElementById("screen");
  const status = document.getElementById("status");
  const HOLD_MS = 150;

  // A key as a keyboard sends it; the program reads the legacy keyCode, which
  // a constructed event leaves at 0 unless it is given its own.
  function send(type, key) {
    const upper = key.toUpperCase();
    const code = key === " " ? "Space" : key >= "0" && key <= "9" ? "Digit" + key : "Key" + upper;
    const event = new KeyboardEvent(type, { key: key, code: code, bubbles: true, cancelable: true });
    Object.defineProperty(event, "keyCode", { value: upper.charCodeAt(0) });
    Object.defineProperty(event, "which", { value: upper.charCodeAt(0) });
    document.dispatchEvent(event);
  }

  // One key down at a time: a new press releases the one still held first.
  let held = null;
  function release() {
    if (held === null) return;
    clearTimeout(held.timer);
    send("keyup", held.key);
    held = null;
  }
  function press(key) {
    release();
    send("keydown", key);
    held = { key: key, timer: setTimeout(release, HOLD_MS) };
  }

  for (const button of document.querySelectorAll("#keys button[data-key]")) {
    button.addEventListener("click", () => press(button.dataset.key));
  }

  // The picture: a touch or a pen at once; a mouse's first click of a
  // double click only (the second is the double click's).
  canvas.addEventListener("pointerdown", (e) => {
    if (e.pointerType === "mouse") return;
    e.preventDefault();  // no mouse events after it
    press(" ");
  });
  canvas.addEventListener("mousedown", (e) => {
    if (e.button === 0 && e.detail < 2) press(" ");
  });

  // Full screen: the picture alone (page.js lays it out).
  function fullElement() {
    return document.fullscreenElement || document.webkitFullscreenElement || null;
  }
  function toggleFull() {
    if (fullElement()) {
      (document.exitFullscreen || document.webkitExitFullscreen).call(document);
      return;
    }
    const request = root.requestFullscreen || root.webkitRequestFullscreen;
    if (!request) {
      status.textContent = "this browser shows no page in full screen (a page added to the home screen fills it)";
      return;
    }
    const asked = request.call(root);
    if (asked && asked.catch) {
      asked.catch((e) => { status.textContent = "full screen refused: " + e.message; });
    }
  }
  document.getElementById("full").addEventListener("click", toggleFull);
  canvas.addEventListener("dblclick", toggleFull);

  // Escape in full screen leaves it and must not reach the program, which
  // would end (Chromium keeps it from the page; a browser might deliver it
  // just after leaving full screen).
  let leftFull = -Infinity;
  for (const type of ["fullscreenchange", "webkitfullscreenchange"]) {
    document.addEventListener(type, () => {
      if (!fullElement()) leftFull = performance.now();
    });
  }
  window.addEventListener("keydown", (e) => {
    const onButton = e.target instanceof Element && e.target.closest("button") !== null;
    if (e.key === "Escape" && (fullElement() || performance.now() - leftFull < 500)) {
      e.stopImmediatePropagation();
      e.preventDefault();
      if (fullElement()) toggleFull();
    } else if (e.key === "Tab" || (e.key === "Enter" && onButton)) {
      // Moving the focus and pressing the focused button: the program's
      // keyboard would swallow these keys (the demo has no use for them).
      e.stopImmediatePropagation();
    } else if ((e.key === "f" || e.key === "F") && !e.repeat && !e.ctrlKey && !e.metaKey && !e.altKey) {
      toggleFull();
    }
  }, true);
})();
