// The service worker that lets the game play with no network. Sealing the site puts `site` above
// this: the version's name and the files of that version, all of which it keeps in one cache of
// that name. A new version is kept whole before it takes over, and the old cache is then deleted,
// so a page is always served one version's files: the sealed files' names change with their
// content, so the page of a version names only that version's files.
'use strict';

const prefix = 'kordavelmix-';
const cacheName = `${prefix}${site.version}`;

self.addEventListener('install', (event) => {
  // Where the browser offers it, every request but the page's goes to this version's cache
  // without starting the worker at all (and to the network where the cache has none): a page that
  // loads its files from the cache loads them as fast as from the browser's own.
  event.addRoutes?.({
    condition: {requestMethod: 'GET', not: {requestMode: 'navigate'}},
    source: {cacheName},
  });
  event.waitUntil(
    (async () => {
      const cache = await caches.open(cacheName);
      // A sealed file is the same bytes wherever it comes from, the browser's HTTP cache
      // included; the page is asked of the server again.
      await cache.addAll(
        site.files.map(
          (file) => new Request(file, {cache: file === './' ? 'no-cache' : 'default'}),
        ),
      );
      await self.skipWaiting();
    })(),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    (async () => {
      for (const name of await caches.keys()) {
        if (name.startsWith(prefix) && name !== cacheName) {
          await caches.delete(name);
        }
      }
      // The page's request goes to the server while the worker starts, not after.
      await self.registration.navigationPreload?.enable();
      await self.clients.claim();
    })(),
  );
});

// The page comes from the server while there is one, so that a new version is played as soon as
// it is published, and from this version's cache without one. Every other file is sealed: the
// cache's copy is the file.
self.addEventListener('fetch', (event) => {
  const {request} = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) {
    return;
  }
  event.respondWith(
    (async () => {
      const cache = await caches.open(cacheName);
      if (request.mode === 'navigate') {
        try {
          return (await event.preloadResponse) ?? (await fetch(request));
        } catch {
          return (await cache.match('./')) ?? Response.error();
        }
      }
      return (await cache.match(request)) ?? fetch(request);
    })(),
  );
});
