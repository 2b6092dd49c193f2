// A static file server on 127.0.0.1 for the browser tests: any free port,
// and it can be stopped to cut the network while a browser stays open.
//
// It can also behave as a school's server might: `server.behave({...})`
//   caching     'none' (no caching headers), 'last-modified' (Last-Modified
//               only, no Cache-Control, as Python's http.server and many
//               default set-ups send; If-Modified-Since answered 304), or
//               'max-age' (a year's Cache-Control: max-age on everything);
//   datedBack   how old the files claim to be, in days (Last-Modified;
//               each behave() dates them a second or more after the last);
//   missing     file names answered 404;
//   cut         file names sent cut to half their length;
//   types       Content-Type by extension, over the usual ones;
//   hold        file names whose answers wait until `server.letGo()`;
//   transform   (name, bytes) => bytes, for a release made from the built one.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
  '.svg': 'image/svg+xml', '.ttf': 'font/ttf', '.txt': 'text/plain; charset=utf-8', '.json': 'application/json',
};
const DAY = 24 * 3600 * 1000;
const PLAIN = { caching: 'none', datedBack: 30, missing: [], cut: [], types: {}, hold: [], transform: null };

export async function serveSite(root, port = 0) {
  let behaviour = { ...PLAIN };
  let modified = 0; // Last-Modified, whole seconds
  let held = [];
  const served = [];

  function cachingHeaders(request) {
    if (behaviour.caching === 'none') return {};
    const since = Date.parse(request.headers['if-modified-since'] ?? '');
    const headers = { 'Last-Modified': new Date(modified).toUTCString() };
    if (behaviour.caching === 'max-age') headers['Cache-Control'] = 'max-age=31536000';
    return { headers, notModified: since >= modified };
  }

  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const name = path.endsWith('/') ? `${path.slice(1)}index.html` : path.slice(1);
    served.push(name);
    if (behaviour.hold.includes(name)) await new Promise((resolve) => held.push(resolve));
    if (behaviour.missing.includes(name)) {
      response.writeHead(404).end();
      return;
    }
    let body;
    try {
      body = await readFile(join(root, name));
    } catch {
      response.writeHead(404).end();
      return;
    }
    if (behaviour.transform) body = behaviour.transform(name, body);
    if (behaviour.cut.includes(name)) body = body.subarray(0, body.length >> 1);
    const { headers = {}, notModified = false } = cachingHeaders(request);
    if (notModified) {
      response.writeHead(304, headers).end();
      return;
    }
    const ext = extname(name);
    response.writeHead(200, { 'Content-Type': behaviour.types[ext] ?? TYPES[ext] ?? 'application/octet-stream', ...headers });
    response.end(body);
  });
  // Keep-alive sockets would hold a stopped server open.
  server.keepAliveTimeout = 1;
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    port: server.address().port,
    /** Switches the server to new behaviour (the plain one for what is left out). */
    behave(options = {}) {
      behaviour = { ...PLAIN, ...options };
      // A new release is newer than the last, as files copied to a server are.
      const dated = Math.floor((Date.now() - behaviour.datedBack * DAY) / 1000) * 1000;
      modified = Math.max(dated, modified + 1000);
    },
    /** Answers the requests held so far, and holds no more. */
    letGo() {
      behaviour.hold = [];
      held.forEach((resolve) => resolve());
      held = [];
    },
    /** The file names asked for since the last call. */
    takeServed: () => served.splice(0),
    stop: () => new Promise((resolve) => { server.close(resolve); server.closeAllConnections(); }),
  };
}

// Run on its own (node server.mjs SITE), it serves SITE in a process of its
// own and prints its address: the benchmark's loads then wait on a server as
// a real one answers, not on the event loop that also drives the browser.
if (import.meta.url === `file://${process.argv[1]}`) {
  const server = await serveSite(process.argv[2]);
  console.log(server.url);
}
