// Keeps the whole site for use without a network after the first visit, one
// release at a time. A new release is fetched past the browser's HTTP cache
// into a cache of its own while the old one stays in use; it takes over only
// once every file the page needs has arrived, and only when the page lets it
// (its "Reload" button) or no page of the old release is open. Each worker
// answers from its own cache only, so a page never mixes two releases.

const RELEASE = '@RELEASE@';
const CACHE = `gridora-${RELEASE}`;
// What the page needs to draw, print and save sheets; the release is kept
// only when all of them arrive.
const NEEDED = /* @NEEDED@ */ [];
// The rest (the app's manifest and icons, the user guide, the licence): kept
// when they arrive, left to the network when the server does not send them.
const EXTRAS = /* @EXTRAS@ */ [];
// The files that name their release: one from another release means the
// server is half-way through an upload, and the release waits.
const STAMPED = ['./', './index.html', './gridora.js'];

async function fetchWhole(url) {
  const response = await fetch(new Request(url, { cache: 'reload' }));
  if (!response.ok) throw new Error(`${url}: ${response.status}`);
  if (STAMPED.includes(url) && !(await response.clone().text()).includes(RELEASE))
    throw new Error(`${url} is from another release`);
  if (url.endsWith('.wasm') && typeof WebAssembly === 'object'
      && !WebAssembly.validate(await response.clone().arrayBuffer()))
    throw new Error(`${url} is incomplete`);
  return [url, response];
}

async function keepRelease() {
  const needed = await Promise.all(NEEDED.map(fetchWhole));
  const extras = await Promise.all(EXTRAS.map((url) => fetchWhole(url).catch(() => null)));
  const cache = await caches.open(CACHE);
  await Promise.all([...needed, ...extras.filter(Boolean)].map(([url, response]) => cache.put(url, response)));
}

self.addEventListener('install', (event) => {
  // A release that cannot be kept whole is dropped; the next visit tries again.
  event.waitUntil(keepRelease().catch(async (error) => {
    console.warn(`Gridora ${RELEASE} was not kept for use without a network: ${error.message}`);
    await caches.delete(CACHE);
    throw error;
  }));
});

self.addEventListener('message', (event) => {
  if (event.data === 'take-over') self.skipWaiting();
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('gridora-') && n !== CACHE)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

async function fromCache(request) {
  const cache = await caches.open(CACHE);
  return (await cache.match(request, { ignoreSearch: true })) ?? fetch(request);
}

// A page opened while the next release waits, with no other page of this
// one open, gets the next release: this worker lets it take over and has the
// browser ask again at once. (It cannot wait here for the hand-over: a worker
// takes over only once this one has no event left to answer. Until it has,
// the browser asks again, and again meets this worker.) Browsers do not say
// which page a navigation replaces, but a page reloaded or navigated has the
// focus; a page left open in another tab or window has not.
const ASK_AGAIN = '<!doctype html><meta http-equiv="refresh" content="0"><link rel="icon" href="data:,">';

async function navigate(request) {
  const next = self.registration.waiting;
  const open = await self.clients.matchAll({ type: 'window' });
  if (!next || open.some((page) => !page.focused)) return fromCache(request);
  next.postMessage('take-over');
  return new Response(ASK_AGAIN, { headers: { 'Content-Type': 'text/html; charset=utf-8', Refresh: '0' } });
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(event.request.mode === 'navigate' ? navigate(event.request) : fromCache(event.request));
});
