// The page's offline copy, a service worker. It keeps the page's shell as it
// installs, and every file of the page's own that passes through it (the
// program the page chose, in whichever build); it serves the network's
// answer while there is one and the kept copy when there is none.
// tools/build_web.sh writes sw.js from this file with BUILD set to the
// build's content hash: a new build is a new worker, which keeps a fresh copy
// and drops the older ones.
"use strict";

const BUILD = "@BUILD@";
const KEEP = "moxa7730-" + BUILD;
const SHELL = ["./", "index.html", "page.css", "controls.js", "page.js",
  "manifest.webmanifest", "icon-192.png", "icon-512.png"];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(KEEP)
    .then((cache) => cache.addAll(SHELL))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names
      .filter((name) => name.startsWith("moxa7730-") && name !== KEEP)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The network first: a page online always gets the build being served.
self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fetch(request).then((response) => {
    if (response.status === 200) {
      const copy = response.clone();
      event.waitUntil(caches.open(KEEP).then((cache) => cache.put(request, copy)));
    }
    return response;
  }, () => caches.open(KEEP)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept || Response.error())));
});

// The page names the program files it loads, so that they are kept even when
// it fetched them before this worker took the page over.
self.addEventListener("message", (event) => {
  const files = event.data && event.data.keep;
  if (!Array.isArray(files)) return;
  event.waitUntil(caches.open(KEEP).then((cache) => Promise.all(files.map((file) =>
    cache.match(file).then((kept) => kept || cache.add(file))))));
});
