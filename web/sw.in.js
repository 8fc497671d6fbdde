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

// A new build keeps the shell and, fresh from the network, whatever the
// builds before it kept (the program the page chose): a visitor who opens
// the new build without starting the demo still has a program offline.
function older(name) {
  return name.startsWith("moxa7730-") && name !== KEEP;
}

// Fetches again into cache every file an older build kept (a file gone from
// this build is left out).
function carryOver(cache) {
  return caches.keys()
    .then((names) => Promise.all(names.filter(older).map((name) => caches.open(name))))
    .then((olds) => Promise.all(olds.map((old) => old.keys())))
    .then((lists) => Promise.all(lists.flat().map((request) =>
      cache.add(request.url).catch(() => {}))));
}

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(KEEP)
    .then((cache) => cache.addAll(SHELL).then(() => carryOver(cache)))
    .then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter(older).map((name) => caches.delete(name))))
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
