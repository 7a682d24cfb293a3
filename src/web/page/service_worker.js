// The page's service worker, when the page is served from a web server: it keeps the page's own
// files in a cache, so that after one visit the game opens and plays without the network. The
// cache's name carries the version and a digest of the files, so a new build brings a new worker,
// which takes over at once and removes the caches of the versions before it.
"use strict";

const kCachePrefix = "discada-";
const kCache = kCachePrefix + "@DISCADA_CACHE_VERSION@";
const kFiles = [@DISCADA_FILES@];
const kPage = "index.html";

self.addEventListener("install", (event) => {
    // Straight from the server, not from the browser's own cache of an older version.
    const requests = kFiles.map((file) => new Request(file, { cache: "reload" }));
    event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    const old = (names) => names.filter((name) => name.startsWith(kCachePrefix) && name !== kCache);
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(old(names).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

// The page's files come from the cache; what the cache lacks (it may have been cleared) comes
// from the network. The folder's own address is the page.
self.addEventListener("fetch", (event) => {
    const request = event.request;
    const url = new URL(request.url);
    if ((request.method !== "GET" && request.method !== "HEAD") || url.origin !== location.origin) return;
    const key = request.mode === "navigate" && url.pathname.endsWith("/") ? kPage : request;
    event.respondWith(caches.open(kCache)
        .then((cache) => cache.match(key, { ignoreSearch: true, ignoreMethod: true }))
        .catch(() => undefined)
        .then((cached) => cached || fetch(request)));
});
