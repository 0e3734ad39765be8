// Keeps the page and every file of one version of the game, so that it starts with no network.
// The build writes the version and the list of files with their digests at the top.

// The caches of every copy of the game on this site begin so; this copy's also name its place,
// so that a copy under another path of the same site is never touched.
const FAMILY = 'splatvane ';
const CACHE = FAMILY + self.registration.scope + ' ' + VERSION;

function hex(buffer) {
  return Array.from(new Uint8Array(buffer), function (byte) { return byte.toString(16).padStart(2, '0'); }).join('');
}

// A file is kept only when it is the very one this version was built with: a server or a
// cache in between that still hands out another version's file makes the install fail, and the
// version before stays whole.
function keep(cache, name) {
  return fetch(new Request(name, {cache: 'no-cache'})).then(function (response) {
    if (!response.ok) throw new Error(name + ': ' + response.status);
    return response.clone().arrayBuffer().then(function (bytes) {
      return crypto.subtle.digest('SHA-256', bytes);
    }).then(function (digest) {
      if (hex(digest) !== FILES[name]) throw new Error(name + ' is not the file of version ' + VERSION);
      return cache.put(name, response);
    });
  });
}

// The module and the packed files lie both compressed and as they are: a browser that can
// unpack them as they arrive loads the compressed ones, and keeps only what it loads.
const UNPACKS = typeof DecompressionStream === 'function' && typeof TransformStream === 'function';

function loaded(name) {
  if (name.endsWith('.gz')) return UNPACKS;
  return !(UNPACKS && Object.prototype.hasOwnProperty.call(FILES, name + '.gz'));
}

self.addEventListener('install', function (event) {
  event.waitUntil(caches.open(CACHE).then(function (cache) {
    return Promise.all(Object.keys(FILES).filter(loaded).map(function (name) { return keep(cache, name); }));
  }).catch(function (error) {
    return caches.delete(CACHE).then(function () { throw error; });
  }));
});

// The new version takes over only once no page of the old one is open (the browser's own rule,
// left as it is), so an open game never gets a file of another version; then the old
// version's files go. An open page is not asked to take the new version at once: it still
// fetches files as it plays (the sound's worklet at the first press), and those would be the
// new version's.
self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name.startsWith(FAMILY + self.registration.scope + ' ') && name !== CACHE;
    }).map(function (name) { return caches.delete(name); }));
  }).then(function () { return self.clients.claim(); }));
});

function nameOf(request) {
  const scope = self.registration.scope;
  if (!request.url.startsWith(scope)) return null;
  const name = request.url.slice(scope.length).split(/[?#]/)[0];
  if (name === '' && request.mode === 'navigate') return 'index.html';
  return Object.prototype.hasOwnProperty.call(FILES, name) ? name : null;
}

self.addEventListener('fetch', function (event) {
  if (event.request.method !== 'GET') return;
  const name = nameOf(event.request);
  if (!name) return;
  event.respondWith(caches.open(CACHE).then(function (cache) {
    return cache.match(name);
  }).then(function (kept) {
    return kept || fetch(event.request);
  }));
});
