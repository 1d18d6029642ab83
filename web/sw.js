// The service worker of the site: it keeps the page (the whole game), its manifest and icons,
// so that the game starts without a network once it has been loaded. Each build names its own
// store; the stores of older builds are dropped when the new worker takes over.
'use strict';
const STORE = 'zarvo-/*ZARVO_VERSION*/';
// The page is kept once, under the folder's own address; its other address, index.html, is
// answered from the same entry.
const FILES = ['./', 'manifest.webmanifest', 'icon-32.png', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(STORE).then((store) => store.addAll(FILES))
                      .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
      .then((names) => Promise.all(names.filter((n) => n.startsWith('zarvo-') && n !== STORE)
                                        .map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

// What the store holds comes from the store (the address's ?seed=S aside); the rest from the
// network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const scope = self.registration.scope;
  const page = event.request.url.split('?')[0] === new URL('index.html', scope).href;
  event.respondWith(caches.open(STORE)
      .then((store) => store.match(page ? scope : event.request, { ignoreSearch: true }))
      .then((kept) => kept || fetch(event.request)));
});
