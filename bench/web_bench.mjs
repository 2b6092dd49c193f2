// The browser version's speed and size, in Debian's Chromium, headless:
//   node bench/web_bench.mjs build/web/site
// (the site is served on 127.0.0.1 by a server process of its own)
// - a sample redraw (the core call plus putImageData): the median over 30
//   batches of 50 redraws of the per-redraw time (the browser's clock is
//   coarsened to 0.1 ms, so single redraws cannot be timed one by one);
// - the first sample on screen after navigation, from a cold cache (no
//   service worker, nothing cached), loopback server: median of 15 loads;
// - the same over a slow school line, Chromium's network emulation: 1.6 Mbps
//   down, 0.75 Mbps up, 150 ms round trip, cold cache: median of 5 loads, with
//   the bytes the page fetched before it (the server compresses nothing);
// - the whole site gzip-compressed (gzip -9 per file), the page fonts and
//   HarfBuzz's WebAssembly (fetched only to make a PDF) aside.

import { gzipSync } from 'node:zlib';
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { fileURLToPath } from 'node:url';
import { launch } from '../tests/web/browsers.mjs';

const site = process.argv[2] ?? 'build/web/site';
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

function files(dir) {
  return readdirSync(dir).flatMap((n) => (statSync(join(dir, n)).isDirectory() ? files(join(dir, n)) : [join(dir, n)]));
}

let gzipBytes = 0;
let fontBytes = 0;
for (const f of files(site)) {
  const zipped = gzipSync(readFileSync(f), { level: 9 }).length;
  if (f.endsWith('.ttf') || /harfbuzz/.test(f)) fontBytes += zipped;
  else gzipBytes += zipped;
}

// The server runs in a process of its own, as any real server does.
const serverProcess = spawn(process.execPath, [fileURLToPath(new URL('../tests/web/server.mjs', import.meta.url)), site],
  { stdio: ['ignore', 'pipe', 'inherit'] });
const [firstLine] = await once(serverProcess.stdout, 'data');
const server = { url: String(firstLine).trim() };
const browser = await launch('chromium');

const firsts = [];
for (let i = 0; i < 15; i++) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setCacheEnabled(false);
  await page.goto(server.url);
  await page.waitForSelector('html[data-ready]');
  firsts.push(await page.evaluate(() => performance.getEntriesByName('gridora-first-sample')[0].startTime));
  await context.close();
}

// Chromium's emulation takes bytes per second and adds the latency to every request.
const SLOW_LINE = { download: 1.6e6 / 8, upload: 0.75e6 / 8, latency: 150 };
const slow = [];
let slowBytes = 0;
for (let i = 0; i < 5; i++) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setCacheEnabled(false);
  await page.emulateNetworkConditions(SLOW_LINE);
  await page.goto(server.url);
  await page.waitForSelector('html[data-ready]', { timeout: 60000 });
  const [first, bytes] = await page.evaluate(() => {
    const at = performance.getEntriesByName('gridora-first-sample')[0].startTime;
    const fetched = [...performance.getEntriesByType('navigation'), ...performance.getEntriesByType('resource')]
      .filter((r) => r.responseEnd <= at).reduce((sum, r) => sum + r.encodedBodySize, 0);
    return [at, fetched];
  });
  slow.push(first);
  slowBytes = bytes;
  await context.close();
}

const page = await browser.newPage();
await page.goto(server.url);
await page.waitForSelector('html[data-ready]');
const batches = await page.evaluate(async () => {
  const { loadCore } = await import(document.querySelector('script[src^="gridora.js"]').src);
  const core = await loadCore();
  const context = document.getElementById('sample').getContext('2d');
  const spacetime = core.kinds().findIndex((kind) => kind.hasVelocity);
  const out = [];
  for (let b = 0; b < 30; b++) {
    const start = performance.now();
    for (let i = 0; i < 50; i++) {
      const pixels = core.sample(spacetime, 0, (b * 50 + i) % 91);
      context.putImageData(new ImageData(pixels, 357, 397), 0, 0);
    }
    out.push((performance.now() - start) / 50);
  }
  return out;
});
await browser.close();
serverProcess.kill();

const ms = (x) => `${x.toFixed(3)} ms`;
console.log(`sample redraw (spacetime, core + putImageData): median ${ms(median(batches))}, ` +
  `fastest batch ${ms(Math.min(...batches))}, slowest ${ms(Math.max(...batches))}`);
console.log(`first sample after navigation (cold): median ${ms(median(firsts))}, ` +
  `fastest ${ms(Math.min(...firsts))}, slowest ${ms(Math.max(...firsts))}`);
console.log(`first sample, slow line (1.6 Mbps down, 150 ms round trip, cold): median ${ms(median(slow))}, ` +
  `fastest ${ms(Math.min(...slow))}, slowest ${ms(Math.max(...slow))}; ${(slowBytes / 1024).toFixed(1)} KB fetched before it`);
console.log(`site gzip -9: ${(gzipBytes / 1024).toFixed(1)} KB without the fonts and HarfBuzz (those ${(fontBytes / 1024).toFixed(1)} KB)`);
