// A static file server on 127.0.0.1 for the browser tests: any free port,
// and it can be stopped to cut the network while a browser stays open.

import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.png': 'image/png',
  '.svg': 'image/svg+xml', '.ttf': 'font/ttf', '.txt': 'text/plain; charset=utf-8',
};

export async function serveSite(root, port = 0) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(root, path.endsWith('/') ? `${path}index.html` : path);
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  // Keep-alive sockets would hold a stopped server open.
  server.keepAliveTimeout = 1;
  await new Promise((resolve) => server.listen(port, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    port: server.address().port,
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
