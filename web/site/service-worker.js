// Keeps the page on the device, so an installed Quillon opens with no network.
const cache = 'quillon-1';
const files = ['./', 'index.html', 'manifest.webmanifest', 'quillon.svg', 'FONTS.txt'];

self.addEventListener('install', e => e.waitUntil(caches.open(cache).then(c => c.addAll(files))));
self.addEventListener('activate', e => e.waitUntil(caches.keys().then(keys =>
  Promise.all(keys.filter(k => k !== cache).map(k => caches.delete(k))))));
self.addEventListener('fetch', e => e.respondWith(
  caches.match(e.request).then(hit => hit || fetch(e.request))));
