// The browser version in a real browser, headless, against the built site
// served on 127.0.0.1:
//   node browser_tests.mjs chromium|firefox SITE_DIR GRIDORA_SHEET
// The desktop's renderer, gridora-sheet, is the oracle for every sample and
// every page.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { createHash } from 'node:crypto';
import { execFile, execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { createRequire } from 'node:module';
import { promisify } from 'node:util';
import { inflateSync } from 'node:zlib';

import { launch } from './browsers.mjs';
import { decodePng } from './png.mjs';
import { DOTS, fontNames, pdfInfo, textIn, withPdf, wordBoxes } from './poppler.mjs';
import { dotsOffTheirPixels, pngPicture, RASTERISERS, rasterisePage, rulingsOffTheirDots, traceLines } from './dots.mjs';
import { serveSite } from './server.mjs';

const [browserName, siteDir, sheet] = process.argv.slice(2);
const chromium = browserName === 'chromium';
const W = 357;
const H = 397;
const KINDS = ['squared', 'semilog', 'log', 'spacetime'];
const sheetEnv = { ...process.env, QT_QPA_PLATFORM: 'offscreen' };

let server;
let browser;

before(async () => {
  server = await serveSite(siteDir);
  // Firefox cannot emulate touch page by page: its whole run has a tablet's pointer.
  browser = await launch(browserName, { coarsePointer: !chromium });
});

after(async () => {
  await browser?.close();
  await server?.stop();
});

// ------------------------------------------------------------------ helpers

// Runs before the page's own scripts: print() and downloads are recorded
// instead of opening dialogs.
function recordPrintsAndDownloads() {
  window.__gridora = { prints: 0, downloads: [] };
  window.print = () => { window.__gridora.prints += 1; };
  const created = new Map();
  const createObjectURL = URL.createObjectURL.bind(URL);
  URL.createObjectURL = (blob) => {
    const url = createObjectURL(blob);
    created.set(url, blob);
    return url;
  };
  HTMLAnchorElement.prototype.click = function click() {
    if (this.download) window.__gridora.downloads.push({ name: this.download, blob: created.get(this.href) });
  };
}

// Runs before the page's own scripts: the browser's languages are `tags`,
// whatever the machine's own language is (a test's own `speaks` may set
// them again, for the region's paper).
function speak(tags) {
  for (const [name, value] of [['languages', tags], ['language', tags[0]]])
    Object.defineProperty(Navigator.prototype, name, { get: () => value, configurable: true });
}

async function openPage({ before: prepare, context = browser, url = server.url, languages = ['en-US'] } = {}) {
  const page = await context.newPage();
  const problems = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push(m.text()); });
  page.on('pageerror', (e) => problems.push(e.message));
  await page.evaluateOnNewDocument(recordPrintsAndDownloads);
  await page.evaluateOnNewDocument(speak, languages);
  if (prepare) await page.evaluateOnNewDocument(prepare);
  await page.goto(url, { waitUntil: 'load' });
  return { page, problems };
}

/** Runs in the page before its scripts: the browser's languages are `languages`. */
function speaks(languages) {
  return `Object.defineProperty(Navigator.prototype, 'languages', { get: () => ${JSON.stringify(languages)} });`;
}

/** The core's page layout, asked in the page through the page's own bundle. */
function coreLayout(page, ...args) {
  return page.evaluate(async (a) => (await (await import(document.querySelector('script[src^="gridora.js"]').src))
    .loadCore()).pageLayout(...a), args);
}

/** Imports the page's own bundle (by its URL, release and all) and calls `name(...args)` from it. */
function fromBundle(page, name, ...args) {
  return page.evaluate(async (n, a) => (await import(document.querySelector('script[src^="gridora.js"]').src))[n](...a),
    name, args);
}

async function ready(page) {
  await page.waitForSelector('html[data-ready]', { timeout: 20000 });
}

/** Chooses entry `index` of a box as a user does: the selection, then a change. */
async function choose(page, selector, index) {
  await page.$eval(selector, (box, i) => {
    box.selectedIndex = i;
    box.dispatchEvent(new Event('change', { bubbles: true }));
  }, index);
}

async function setName(page, name) {
  await page.$eval('#who', (box, text) => {
    box.value = text;
    box.dispatchEvent(new Event('input', { bubbles: true }));
  }, name);
}

// The clearing frame along the picture's edge is drawn, as on the desktop,
// with whatever pen the previous sample left: it is left out of comparisons
// between samples drawn one after another.
const RING = 2;
function digest(rgba, ring) {
  const copy = Uint8Array.from(rgba);
  if (ring) {
    for (let y = 0; y < H; y++)
      for (let x = 0; x < W; x++)
        if (x < RING || y < RING || x >= W - RING || y >= H - RING) copy.fill(0, 4 * (y * W + x), 4 * (y * W + x) + 4);
  }
  return createHash('sha256').update(copy).digest('hex');
}

/** The digest of the sample on screen, computed in the page. */
async function canvasDigest(page, ring) {
  const hex = await page.evaluate(async (r, w, h) => {
    const data = Uint8Array.from(document.getElementById('sample').getContext('2d').getImageData(0, 0, w, h).data);
    if (r) {
      for (let y = 0; y < h; y++)
        for (let x = 0; x < w; x++)
          if (x < r || y < r || x >= w - r || y >= h - r) data.fill(0, 4 * (y * w + x), 4 * (y * w + x) + 4);
    }
    const sum = new Uint8Array(await crypto.subtle.digest('SHA-256', data));
    return Array.from(sum, (b) => b.toString(16).padStart(2, '0')).join('');
  }, ring ? RING : 0, W, H);
  return hex;
}

async function canvasPixels(page) {
  const base64 = await page.evaluate(() => {
    const data = document.getElementById('sample').getContext('2d').getImageData(0, 0, 357, 397).data;
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) text += String.fromCharCode(...data.subarray(i, i + 0x8000));
    return btoa(text);
  });
  return new Uint8Array(Buffer.from(base64, 'base64'));
}

function differingPixels(a, b) {
  let n = 0;
  for (let i = 0; i < a.length; i += 4)
    if (a[i] !== b[i] || a[i + 1] !== b[i + 1] || a[i + 2] !== b[i + 2] || a[i + 3] !== b[i + 3]) n++;
  return n;
}

const run = promisify(execFile);
async function sheetPng(args) {
  const { stdout } = await run(sheet, [...args, '--sample', '--format', 'png', '-o', '-'],
    { encoding: 'buffer', env: sheetEnv, maxBuffer: 16 << 20 });
  return decodePng(stdout).rgba;
}

function sheetTrace(args) {
  return execFileSync(sheet, [...args, '--format', 'trace', '-o', '-'], { env: sheetEnv, maxBuffer: 64 << 20 }).toString('utf8');
}

async function inPairs(items, work) {
  const results = new Array(items.length);
  let next = 0;
  const worker = async () => {
    while (next < items.length) {
      const i = next++;
      results[i] = await work(items[i]);
    }
  };
  await Promise.all([worker(), worker()]);
  return results;
}

async function blobBytes(page, expression) {
  const base64 = await page.evaluate(async (expr) => {
    const blob = expr === 'last-download' ? window.__gridora.downloads.at(-1).blob : null;
    const data = new Uint8Array(await blob.arrayBuffer());
    let text = '';
    for (let i = 0; i < data.length; i += 0x8000) text += String.fromCharCode(...data.subarray(i, i + 0x8000));
    return btoa(text);
  }, expression);
  return Buffer.from(base64, 'base64');
}

// How many pages draw each sheet (form) of a PDF Gridora wrote.
function sheetsDrawn(bytes) {
  const counts = {};
  const text = bytes.toString('latin1');
  for (const [, body] of text.matchAll(/FlateDecode \/Length \d+ >>\nstream\n([\s\S]*?)\nendstream/g)) {
    let content;
    try {
      content = inflateSync(Buffer.from(body, 'latin1')).toString('latin1');
    } catch {
      continue; // a font, not a page
    }
    for (const [, form] of content.matchAll(/^\/(S\d+) Do$/gm)) counts[form] = (counts[form] ?? 0) + 1;
  }
  return counts;
}

const PAPER_INCHES = { a4: [210 / 25.4, 297 / 25.4], letter: [8.5, 11], a3: [297 / 25.4, 420 / 25.4], legal: [8.5, 14] };
const PAPER_INDEX = { a4: 0, letter: 1, a3: 2, legal: 3 };
const DPI_INDEX = { 300: 0, 600: 1, 1200: 2 };

async function choosePage(page, paper, landscape, dpi) {
  await choose(page, '#paper', PAPER_INDEX[paper]);
  await choose(page, '#orientation', landscape ? 1 : 0);
  await choose(page, '#dpi', DPI_INDEX[dpi]);
}

/** Presses Print and waits until the page has asked the browser to print. */
async function pressPrint(page) {
  const before = await page.evaluate(() => window.__gridora.prints);
  await page.click('#print');
  await page.waitForFunction((n) => window.__gridora.prints === n + 1, { timeout: 60000 }, before);
}

/** Presses Download PDF and returns the bytes of the file it saves. */
async function downloadPdf(page) {
  const before = await page.evaluate(() => window.__gridora.downloads.length);
  await page.click('#download');
  await page.waitForFunction((n) => window.__gridora.downloads.length === n + 1, { timeout: 60000 }, before);
  return blobBytes(page, 'last-download');
}

/** What the browser prints after the Print button: a PDF of the print layout. */
async function printedPdf(page, paper, landscape) {
  if (chromium) return Buffer.from(await page.pdf({ preferCSSPageSize: true, printBackground: true }));
  // Firefox's remote printing takes the paper from the caller, not from @page.
  const [w, h] = PAPER_INCHES[paper];
  return Buffer.from(await page.pdf({
    width: `${landscape ? h : w}in`, height: `${landscape ? w : h}in`,
    margin: { top: 0, right: 0, bottom: 0, left: 0 }, printBackground: true,
  }));
}

/**
 * Pixels of `image` (the whole paper) inked outside the sheet: in the margin,
 * the paper's unprintable edge, not a pixel past the printable area; on a
 * "Spacetime" page also outside its grid (the grey rulings with what their
 * pens cover) but on the name line. Returns their count and the first.
 */
function strayInk(image, trace, layout, spacetime) {
  const { dpi, margin, width, height } = layout;
  const area = { left: margin, top: margin, right: margin + width - 1, bottom: margin + height - 1 };
  const grey = traceLines(trace).filter((l) => l.colour === '#808080');
  const grid = grey.length === 0 || !spacetime ? area : {
    left: margin + Math.min(...grey.map((l) => Math.min(l.x1, l.x2) - Math.floor(l.width / 2))),
    top: margin + Math.min(...grey.map((l) => Math.min(l.y1, l.y2) - Math.floor(l.width / 2))),
    right: margin + Math.max(...grey.map((l) => Math.max(l.x1, l.x2) + Math.floor((l.width - 1) / 2))),
    bottom: margin + Math.max(...grey.map((l) => Math.max(l.y1, l.y2) + Math.floor((l.width - 1) / 2))),
  };
  // The name line: from (10, 10), no letter wider or the line taller than
  // twice the font's pixel size.
  const pixels = Math.round((12 * dpi) / 72);
  const textRow = trace.split('\n').find((row) => row.startsWith('text '));
  const letters = textRow ? [...JSON.parse(textRow.slice(textRow.indexOf('"')))].length : 0;
  const nameLine = {
    left: margin, top: margin, right: margin + 10 + 2 * letters * pixels, bottom: margin + 10 + 2 * pixels,
  };
  const inside = (r, x, y) => x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
  let stray = 0;
  let first = null;
  for (let y = 0; y < image.height; y++) {
    for (let x = 0; x < image.width; x++) {
      if (image.grey(x, y) >= 250 || (inside(area, x, y) && (inside(grid, x, y) || inside(nameLine, x, y)))) continue;
      if (stray++ === 0) first = [x, y];
    }
  }
  return { stray, first };
}

/**
 * The pixels of the sheet (layout.sheet) that the comparison with the
 * desktop's PDF leaves out, as 1s: each of `words` (boxes in points) a
 * pixel wider all round, and on each one-pixel dotted line of `trace` the
 * pixel nearest the exact line at each step along it and the ones either
 * side across it.
 */
function lettersAndDots(words, trace, layout) {
  const { dpi, margin, sheet } = layout;
  const out = new Uint8Array(sheet.width * sheet.height);
  const leaveOut = (x, y) => {
    if (x >= 0 && y >= 0 && x < sheet.width && y < sheet.height) out[y * sheet.width + x] = 1;
  };
  const px = (pt) => (pt * dpi) / 72;
  for (const w of words) {
    for (let y = Math.floor(px(w.y)) - 1; y <= Math.ceil(px(w.y + w.height)) + 1; y++)
      for (let x = Math.floor(px(w.x)) - 1; x <= Math.ceil(px(w.x + w.width)) + 1; x++) leaveOut(x, y);
  }
  for (const l of traceLines(trace).filter((t) => t.style === 'dot' && t.width === 1)) {
    const steep = Math.abs(l.y2 - l.y1) > Math.abs(l.x2 - l.x1);
    const [a1, b1, da, db] = steep ? [l.y1, l.x1, l.y2 - l.y1, l.x2 - l.x1] : [l.x1, l.y1, l.x2 - l.x1, l.y2 - l.y1];
    const steps = Math.abs(da);
    for (let k = 0; k <= steps; k++) {
      const a = margin + a1 + Math.sign(da) * k;
      const b = margin + b1 + Math.floor((k * db) / steps + 0.5);
      for (let d = -1; d <= 1; d++) (steep ? leaveOut(b + d, a) : leaveOut(a, b + d));
    }
  }
  return out;
}

/**
 * Checks that every level and plumb ruling of the trace lies on the dots
 * where gridora-sheet's own page (`expected`) has it, rasterised by each of
 * poppler's renderers at the sheet's resolution, and that nothing is inked
 * outside the sheet (see strayInk); on a "Spacetime" page, that every dot of
 * its dotted lines is on its pixel too.
 */
function checkRulings(file, dir, trace, layout, expected, what, { spacetime = false } = {}) {
  const { dpi } = layout;
  for (const tool of RASTERISERS) {
    const image = rasterisePage(file, dir, dpi, tool);
    const { checked, off } = rulingsOffTheirDots(image, expected, trace, layout);
    assert.ok(checked > 10, `${what}, ${tool}: ${checked} rulings looked at`);
    assert.deepEqual(off, [], `${what}, ${tool}: rulings off their dots at ${dpi} dpi`);
    if (spacetime) {
      const dots = dotsOffTheirPixels(image, expected);
      assert.ok(dots.checked > 1000, `${what}, ${tool}: ${dots.checked} dots looked at`);
      assert.equal(dots.off.length, 0, `${what}, ${tool}: ${dots.off.length} of ${dots.checked} dots off their pixels `
        + `at ${dpi} dpi, at ${dots.off.slice(0, 5).join('; ')}`);
    }
    const { stray, first } = strayInk(image, trace, layout, spacetime);
    assert.equal(stray, 0, `${what}, ${tool}: ${stray} pixels inked outside the sheet at ${dpi} dpi, the first at ${first}`);
  }
}

/** The release a built page names: its <meta name="gridora-release">. */
function releaseIn(html) {
  return /<meta name="gridora-release" content="([^"]+)">/.exec(html)[1];
}

/**
 * Another release made from the built one, for the test server: the built
 * release's name replaced by a new one everywhere, except in the `stale`
 * files, which keep the name `staleName` (an upload half done).
 */
function release(built, tag, stale = [], staleName = built) {
  const name = `${built}-${tag}`;
  return {
    name,
    transform: (file, bytes) => (/\.(html|js)$/.test(file)
      ? Buffer.from(bytes.toString('latin1').replaceAll(built, stale.includes(file) ? staleName : name), 'latin1')
      : bytes),
  };
}

/** The release of the page on screen and of its script: a page from one release shows one name twice. */
function releaseShown(page) {
  return page.evaluate(() => [document.querySelector('meta[name="gridora-release"]').content,
    document.documentElement.dataset.release]);
}

/** Waits until the page is served by its service worker. */
async function serviceWorkerInCharge(page) {
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
}

/** Looks for a new release and waits for its worker: 'installed' (kept, waiting), 'redundant' (dropped). */
function nextWorkerOutcome(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update().catch(() => {});
    const worker = registration.installing ?? registration.waiting;
    if (!worker) return 'no new release';
    if (worker.state !== 'installing') return worker.state;
    return new Promise((resolve) => worker.addEventListener('statechange', () => {
      if (worker.state !== 'installing') resolve(worker.state);
    }));
  });
}

/**
 * The text in the top-left corner of page `n` of a PDF file: the name. The
 * dots of a printed page's dotted lines read as characters of the Private
 * Use Area: left out.
 */
function pageText(pdf, n) {
  return execFileSync('pdftotext', ['-f', String(n), '-l', String(n), '-x', '0', '-y', '0', '-W', '300', '-H', '60',
    '-r', '72', '-enc', 'UTF-8', pdf, '-'], { encoding: 'utf8' }).replace(DOTS, '').replace(/\s+/g, ' ').trim();
}

function sheetArgs(kind, decades, velocity) {
  return ['--kind', kind, '--decades', String(decades), '--velocity', (velocity / 100).toFixed(2)];
}

// ------------------------------------------------------------------ tests

describe(`Gridora in ${browserName}`, () => {
  test('loads with no console error, sample first, focus in the size box', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'size');
    assert.equal(await page.$eval('#no-wasm', (e) => e.hidden), true);
    const first = await canvasPixels(page);
    const expected = await sheetPng(sheetArgs('squared', 1, 60));
    assert.equal(differingPixels(first, expected), 0, 'the first sample, frame and all, is the desktop\'s');
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('every sample equals the desktop renderer\'s, all 9 grid samples and all 91 velocities', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    const grids = [];
    for (const kind of [0, 1, 2]) for (const size of [0, 1, 2]) grids.push({ kind, size });
    const velocities = Array.from({ length: 91 }, (_, p) => p);
    const expectedGrids = await inPairs(grids, ({ kind, size }) => sheetPng(sheetArgs(KINDS[kind], size + 1, 60)));
    const expectedVelocities = await inPairs(velocities, (p) => sheetPng(sheetArgs('spacetime', 1, p)));

    const mismatches = [];
    for (const [i, { kind, size }] of grids.entries()) {
      await choose(page, '#kind', kind);
      await choose(page, '#size', size);
      if (await canvasDigest(page, true) !== digest(expectedGrids[i], true))
        mismatches.push(`${KINDS[kind]} ${size + 1}: ${differingPixels(await canvasPixels(page), expectedGrids[i])} pixels differ`);
    }
    await choose(page, '#kind', 3);
    await page.focus('#velocity');
    await page.keyboard.press('Home');
    for (const p of velocities) {
      if (p > 0) await page.keyboard.press('ArrowRight');
      if (await canvasDigest(page, true) !== digest(expectedVelocities[p], true))
        mismatches.push(`spacetime ${p}: ${differingPixels(await canvasPixels(page), expectedVelocities[p])} pixels differ`);
    }
    assert.deepEqual(mismatches, []);
    assert.equal(await page.$eval('#velocity-label', (e) => e.textContent), 'v = 0.90 c');
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('the kind box lists the kinds gridora-sheet knows, the velocity bar shown for those that take one', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    const help = execFileSync(sheet, ['--help'], { env: sheetEnv, encoding: 'utf8' }).replace(/\s+/g, ' ');
    const ids = /Paper: (.*?)\./.exec(help)[1].split(/, | or /);
    assert.equal(await page.$eval('#kind', (box) => box.options.length), ids.length);
    for (const [i, id] of ids.entries()) {
      await choose(page, '#kind', i);
      const [slow, fast, sample] = await Promise.all([sheetPng(['--kind', id, '--velocity', '0.10']),
        sheetPng(['--kind', id, '--velocity', '0.80']), sheetPng(['--kind', id])]);
      assert.equal(await canvasDigest(page, true), digest(sample, true), `entry ${i} draws ${id}`);
      assert.equal(await page.$eval('#velocity', (bar) => !bar.hidden), differingPixels(slow, fast) > 0,
        `${id}: the velocity bar shows when the velocity changes the sheet`);
    }
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('the keyboard reaches every control in the window\'s order; the velocity bar takes a slider\'s keys', async () => {
    const { page } = await openPage();
    await ready(page);
    const focused = () => page.evaluate(() => document.activeElement.id);
    const tabs = async (n, shift = false) => {
      const seen = [];
      for (let i = 0; i < n; i++) {
        if (shift) await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        if (shift) await page.keyboard.up('Shift');
        seen.push(await focused());
      }
      return seen;
    };
    assert.deepEqual(await tabs(3), ['kind', 'print', 'who']);
    assert.deepEqual(await tabs(3, true), ['print', 'kind', 'size']);
    await choose(page, '#kind', 3);
    await page.focus('#kind');
    // The size box lies hidden under the "Spacetime" group: no focus stops there.
    assert.deepEqual(await tabs(3), ['velocity', 'print', 'who']);
    assert.deepEqual(await tabs(3, true), ['print', 'velocity', 'kind']);
    assert.notEqual((await tabs(1, true))[0], 'size');
    await page.focus('#velocity');
    // Right, Up and PageUp raise it, as on every slider; the label and what a
    // screen reader announces follow.
    const shown = () => page.$eval('#velocity', (e) => [document.getElementById('velocity-label').textContent,
      e.getAttribute('aria-valuetext')]);
    const keys = [['ArrowLeft', '0.59 c'], ['ArrowRight', '0.60 c'], ['ArrowRight', '0.61 c'],
      ['ArrowUp', '0.62 c'], ['ArrowDown', '0.61 c'], ['PageUp', '0.71 c'], ['PageDown', '0.61 c'],
      ['Home', '0.00 c'], ['ArrowDown', '0.00 c'], ['End', '0.90 c'], ['ArrowUp', '0.90 c']];
    for (const [key, text] of keys) {
      await page.keyboard.press(key);
      assert.deepEqual(await shown(), [`v = ${text}`, text], `after ${key}`);
    }
    // The kind box from the keyboard refills the size box and resets it.
    await page.focus('#kind');
    await page.keyboard.press('ArrowUp');
    assert.equal(await page.$eval('#kind', (e) => e.value), 'log');
    assert.deepEqual(await page.$$eval('#size option', (os) => os.map((o) => o.text)), ['1x1', '2x2', '3x3']);
    assert.equal(await page.$eval('#size', (e) => e.selectedIndex), 0);
    await page.close();
  });

  test('the page traces equal the renderer\'s for the same printable area', async () => {
    const { page } = await openPage();
    await ready(page);
    const cases = [[0, 0, 60, 'Anna', 4660, 6714], [1, 2, 60, '', 2405, 3357], [2, 1, 60, 'Ben', 9322, 13428],
      [3, 0, 0, 'Cleo', 4800, 6600], [3, 0, 37, 'שלום', 2400, 3175], [3, 0, 90, 'A\u0001B\tC', 6600, 4800],
      [2, 2, 60, '', 6600, 4800]];
    for (const [kind, size, p, name, w, h] of cases) {
      const browserTrace = await page.evaluate(async (args) => {
        const core = await (await import(document.querySelector('script[src^="gridora.js"]').src)).loadCore();
        return core.pageTrace(...args);
      }, [kind, size, p, name, w, h]);
      const desktop = sheetTrace([...sheetArgs(KINDS[kind], size + 1, p), '--name', name, '--page', `${w}x${h}`]);
      assert.ok(browserTrace === desktop, `trace of ${KINDS[kind]} ${size + 1} at ${p} on ${w}x${h} differs`);
    }
    await page.close();
  });

  // Names are lettered in Liberation Sans, as on the desktop; Georgian, which
  // it lacks, in DejaVu Sans.
  const ANNA = 'Anna Ödegård';
  for (const [kind, paper, landscape, dpi, name] of [[0, 'a4', false, 300, ANNA], [1, 'letter', false, 300, ANNA],
    [2, 'a3', true, 300, ANNA], [3, 'legal', false, 300, 'Nino ნინო'], [0, 'letter', true, 600, ANNA]]) {
    test(`Print and Download PDF: ${KINDS[kind]} on ${paper}${landscape ? ' landscape' : ''} at ${dpi} dpi, ${name}`, async () => {
      const { page, problems } = await openPage();
      await ready(page);
      await choosePage(page, paper, landscape, dpi);
      await choose(page, '#kind', kind);
      await page.type('#who', name);
      const layout = await coreLayout(page, paper, landscape, dpi);
      const trace = sheetTrace([...sheetArgs(KINDS[kind], 1, 60), '--name', name, '--page',
        `${layout.width}x${layout.height}`, '--dpi', String(dpi)]);
      const expected = pngPicture(execFileSync(sheet, [...sheetArgs(KINDS[kind], 1, 60), '--name', name, '--paper', paper,
        '--dpi', String(dpi), ...(landscape ? ['--landscape'] : []), '--format', 'png', '-o', '-'],
      { env: sheetEnv, maxBuffer: 1 << 28 }));
      const [pw, ph] = PAPER_INCHES[paper].map((i) => i * 72);
      const paperPts = landscape ? [ph, pw] : [pw, ph];

      await pressPrint(page);
      const printed = await printedPdf(page, paper, landscape);
      await page.click('#download');
      await page.waitForFunction(() => window.__gridora.downloads.length === 1);
      const download = await page.evaluate(() => window.__gridora.downloads[0].name);
      assert.equal(download, `${['Squared', 'Semi log', 'Log', 'Spacetime'][kind]} - ${name}.pdf`);
      const saved = await blobBytes(page, 'last-download');

      for (const [what, bytes] of [['printed', printed], ['downloaded', saved]]) {
        withPdf(bytes, (file, dir) => {
          const info = pdfInfo(file);
          assert.equal(info.pages, 1, `${what}: one page`);
          assert.ok(Math.abs(info.width - paperPts[0]) < 1 && Math.abs(info.height - paperPts[1]) < 1,
            `${what}: ${info.width} x ${info.height} pt is ${paper}`);
          const corner = textIn(file, 0, 0, 300, 80);
          assert.ok(corner.includes(name), `${what}: the name in the corner: ${corner}`);
          const fonts = fontNames(file);
          assert.ok(fonts.includes('LiberationSans'), `${what}: lettered in Liberation Sans (${fonts})`);
          if (what === 'downloaded') {
            assert.ok(execFileSync('pdffonts', [file], { encoding: 'utf8' }).split('\n').slice(2).filter((r) => r.trim())
              .every((r) => / yes yes yes /.test(r)), `${what}: every font embedded, cut down, with its text`);
            assert.ok(bytes.length < 60000, `${what}: ${bytes.length} bytes`);
          }
          assert.equal(fonts.includes('DejaVuSans'), name !== ANNA, `${what}: DejaVu Sans for Georgian only (${fonts})`);
          if (kind === 3) assert.match(corner, /v = 0\.60 c/, `${what}: the velocity beside the name`);
          checkRulings(file, dir, trace, layout, expected, what, { spacetime: kind === 3 });
        });
      }
      assert.deepEqual(problems, []);
      await page.close();
    });
  }

  // Download PDF and gridora-sheet --paper, each rasterised at the chosen
  // resolution without smoothing, are the same pixels all over the sheet (the
  // same paper, margin and printable area, every line on the same dots) but
  // in two places, which are compared otherwise:
  // - Letters. The desktop's PDF embeds outlines Qt writes afresh, here and
  //   there a font unit off the face's own, and poppler inks a few edge
  //   pixels of its letters otherwise; Download PDF embeds the face's own.
  //   Every word's box (pdftotext's: where it starts, to a thousandth of a
  //   point, less than a 64th of a pixel at 600 dpi, and its size) is held to
  //   the desktop's instead, and the pixels of those boxes are left out.
  // - One-pixel dotted lines. The desktop's PDF draws them as a dash pattern,
  //   whose dots poppler puts beside the pixels gridora-sheet's raster sets;
  //   Download PDF puts each dot on its pixel (held to the raster in the
  //   Print and Download PDF tests), and those pixels and the ones either
  //   side are left out.
  test('Download PDF is gridora-sheet --paper\'s page, pixel for pixel but letter edges and dots', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    for (const [kind, paper, landscape, dpi, name] of [[0, 'a4', false, 300, 'Anna Ödegård'], [0, 'letter', true, 600, 'Ben'],
      [3, 'a4', false, 300, ''], [2, 'letter', true, 600, 'Tove Yarrow']]) {
      await choosePage(page, paper, landscape, dpi);
      await choose(page, '#kind', kind);
      await setName(page, name);
      const saved = await downloadPdf(page);
      const desktop = execFileSync(sheet, [...sheetArgs(KINDS[kind], 1, 60), '--name', name, '--paper', paper,
        ...(landscape ? ['--landscape'] : []), '--dpi', String(dpi), '--format', 'pdf', '-o', '-'],
      { env: sheetEnv, maxBuffer: 64 << 20 });
      const [browserPage, desktopPage] = [saved, desktop]
        .map((pdf) => withPdf(pdf, (file, dir) => rasterisePage(file, dir, dpi)));
      const layout = await coreLayout(page, paper, landscape, dpi);
      const { sheet: sheetPixels } = layout;
      const what = `${KINDS[kind]} on ${paper}${landscape ? ' landscape' : ''} at ${dpi} dpi`;
      for (const image of [browserPage, desktopPage])
        assert.ok(image.width >= sheetPixels.width && image.height >= sheetPixels.height, `${what}: the whole sheet`);

      const [browserWords, desktopWords] = [saved, desktop].map((pdf) => withPdf(pdf, wordBoxes));
      const box = (w) => w && `"${w.text}" at ${w.x}, ${w.y}, ${w.width} by ${w.height} pt`;
      const misplaced = desktopWords.flatMap((want, i) => {
        const got = browserWords[i];
        const same = got?.text === want.text && ['x', 'y', 'width', 'height'].every((k) => Math.abs(got[k] - want[k]) < 0.001);
        return same ? [] : [`${box(want)}: ${box(got) ?? 'missing'}`];
      });
      assert.ok(desktopWords.length > 0, `${what}: words to compare`);
      assert.deepEqual(misplaced, [], `${what}: the words' boxes`);
      assert.equal(browserWords.length, desktopWords.length, `${what}: as many words`);

      const trace = sheetTrace([...sheetArgs(KINDS[kind], 1, 60), '--name', name, '--page',
        `${layout.width}x${layout.height}`, '--dpi', String(dpi)]);
      const left = lettersAndDots(desktopWords, trace, layout);
      let differing = 0;
      let leftOut = 0;
      const first = [];
      for (let y = 0; y < sheetPixels.height; y++) {
        for (let x = 0; x < sheetPixels.width; x++) {
          if (left[y * sheetPixels.width + x]) leftOut += 1;
          else if (browserPage.grey(x, y) !== desktopPage.grey(x, y) && differing++ < 5) first.push(`${x},${y}`);
        }
      }
      assert.ok(leftOut < sheetPixels.width * sheetPixels.height / 8, `${what}: ${leftOut} pixels left out`);
      assert.equal(differing, 0, `${what}: ${differing} pixels differ, the first at ${first.join(' ')}`);
    }
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('a class set prints and saves one page per name, in order, every dot on its pixel; its files and the header box', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    await choosePage(page, 'letter', false, 300);
    await choose(page, '#kind', 3);
    await page.click('#class-set-open');
    const dir = mkdtempSync(join(tmpdir(), 'gridora-names-'));
    const fileBox = await page.$('#names-file');
    const names = () => page.$eval('#names', (e) => e.value);
    const pageCount = () => page.$eval('#page-count', (e) => e.textContent);
    // Chooses a file from disk as a user does: the browser tells the page only
    // when the choice differs from the box's.
    const chooseFile = async (name, bytes) => {
      if (bytes !== undefined) writeFileSync(join(dir, name), bytes);
      await page.$eval('#page-count', (e) => { e.textContent = ''; });
      await fileBox.uploadFile(join(dir, name));
      await page.waitForFunction(() => document.getElementById('page-count').textContent !== '');
    };
    // A byte-order mark, CRLF line ends, a header row, quotes and blank lines.
    await chooseFile('class.csv', '\uFEFFName,Age\r\n"Ödegård, Anna",12\r\n\r\n  Ben  ,11\r\nCleo\r\n');
    await page.click('#skip-header');
    await page.waitForFunction(() => document.getElementById('page-count').textContent === '3 pages will print.');
    assert.equal(await names(), 'Ödegård, Anna\nBen\nCleo');
    const before = await page.evaluate(() => window.__gridora.prints);
    await page.click('#class-print');
    await page.waitForFunction((n) => window.__gridora.prints === n + 1, { timeout: 60000 }, before);
    const printed = await printedPdf(page, 'letter', false);
    await page.click('#class-download');
    await page.waitForFunction(() => window.__gridora.downloads.length === 1, { timeout: 60000 });
    assert.equal(await page.evaluate(() => window.__gridora.downloads[0].name), 'Spacetime - class set.pdf');
    const saved = await blobBytes(page, 'last-download');
    // The pages share one sheet (a picture in the print, a form in the file).
    const layout = await coreLayout(page, 'letter', false, 300);
    const first = 'Ödegård, Anna';
    const trace = sheetTrace([...sheetArgs('spacetime', 1, 60), '--name', first, '--page', `${layout.width}x${layout.height}`, '--dpi', '300']);
    const expected = pngPicture(execFileSync(sheet, [...sheetArgs('spacetime', 1, 60), '--name', first, '--paper', 'letter',
      '--dpi', '300', '--format', 'png', '-o', '-'], { env: sheetEnv, maxBuffer: 1 << 28 }));
    for (const [what, bytes] of [['printed', printed], ['saved', saved]]) {
      withPdf(bytes, (pdf, pdfDir) => {
        assert.equal(pdfInfo(pdf).pages, 3);
        assert.deepEqual([1, 2, 3].map((n) => pageText(pdf, n)), [first, 'Ben', 'Cleo'].map((name) => `${name} v = 0.60 c`), what);
        checkRulings(pdf, pdfDir, trace, layout, expected, `${what} class set`, { spacetime: true });
      });
    }
    assert.equal(await page.$eval('#who', (e) => e.value), '', 'the Who box is untouched');

    // The same file chosen again is read again, over names changed by hand.
    await page.type('#names', '\nDora');
    await chooseFile('class.csv');
    assert.equal(await names(), 'Ödegård, Anna\nBen\nCleo');
    // Names typed by hand stay whatever the header box says.
    await page.type('#names', '\nCy');
    await page.click('#skip-header');
    assert.equal(await names(), 'Ödegård, Anna\nBen\nCleo\nCy');
    assert.equal(await pageCount(), '4 pages will print.');

    // A file that is not UTF-8 is refused with the desktop's sentence, and the
    // names before it are gone: nothing prints as if it came from that file.
    await chooseFile('list.txt', Buffer.from('Ada\nJos\xE9\n', 'latin1'));
    assert.equal(await pageCount(), 'Line 2 of list.txt is not UTF-8 text.');
    assert.equal(await names(), '');
    assert.deepEqual(await page.$$eval('#class-print, #class-download', (es) => es.map((e) => e.disabled)), [true, true]);
    rmSync(dir, { recursive: true, force: true });

    // A name the page's faces cannot letter is said, with its line, and nothing is printed or saved.
    await page.type('#names', 'Ann\nLi 李雷');
    const done = await page.evaluate(() => [window.__gridora.prints, window.__gridora.downloads.length]);
    for (const button of ['#class-print', '#class-download']) {
      await page.$eval('#page-count', (e) => { e.textContent = ''; });
      await page.click(button);
      await page.waitForFunction(() => document.getElementById('page-count').textContent.includes('empty boxes'), { timeout: 60000 });
      assert.equal(await pageCount(), 'The name on line 2, "Li 李雷", has letters Gridora cannot print (李 雷): '
        + 'they would come out as empty boxes. Write the name another way.', button);
    }
    assert.deepEqual(await page.evaluate(() => [window.__gridora.prints, window.__gridora.downloads.length]), done);
    assert.deepEqual(problems, []);
    await page.close();
  });

  // The desktop's PDF is the oracle for reading order: what pdftotext reads
  // in its corner, the bidirectional marks aside, joined Arabic letters read
  // as the letters they are (NFKC).
  const BIDI_MARKS = /[\u200e\u200f\u202a-\u202e\u2066-\u2069]/g;
  const cornerText = (file) => textIn(file, 0, 0, 400, 60).replace(BIDI_MARKS, '').replace(/\s+/g, ' ').trim().normalize('NFKC');

  test('names in every script read back in reading order, as on the desktop; one no face can letter is said, not printed', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    await choosePage(page, 'a4', false, 300);
    for (const name of ['שרה כהן', 'مرحبا بك', 'Anna שרה 12']) {
      await setName(page, name);
      const desktop = withPdf(execFileSync(sheet, ['--kind', 'squared', '--name', name, '--paper', 'a4', '--dpi', '300',
        '--format', 'pdf', '-o', '-'], { env: sheetEnv }), cornerText);
      await pressPrint(page);
      const printed = await printedPdf(page, 'a4', false);
      const saved = await downloadPdf(page);
      for (const [what, bytes] of [['printed', printed], ['downloaded', saved]])
        assert.equal(withPdf(bytes, cornerText), desktop, `${what}: ${name}`);
    }
    await setName(page, 'Li 李雷');
    const prints = await page.evaluate(() => window.__gridora.prints);
    const downloads = await page.evaluate(() => window.__gridora.downloads.length);
    for (const button of ['#print', '#download']) {
      await page.$eval('#status', (e) => { e.textContent = ''; });
      await page.click(button);
      await page.waitForFunction(() => document.getElementById('status').textContent.includes('empty boxes'));
      assert.equal(await page.$eval('#status', (e) => e.textContent), 'The name "Li 李雷" has letters Gridora cannot '
        + 'print (李 雷): they would come out as empty boxes. Write the name another way.');
    }
    assert.equal(await page.evaluate(() => window.__gridora.prints), prints, 'nothing printed');
    assert.equal(await page.evaluate(() => window.__gridora.downloads.length), downloads, 'nothing saved');
    assert.deepEqual(problems, []);
    await page.close();
  });

  // A pixel more or less at 600 dpi is 0.13 pt in a word's height; pdftotext
  // reads each height from the same face to a thousandth of a point.
  test('the name and the 5-point scale labels are the desktop page\'s size at 300, 600 and 1200 dpi', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    await choose(page, '#kind', 2);
    await setName(page, 'Anna');
    for (const dpi of [300, 600, 1200]) {
      await choosePage(page, 'a4', false, dpi);
      const desktop = withPdf(execFileSync(sheet, ['--kind', 'log', '--name', 'Anna', '--paper', 'a4', '--dpi', String(dpi),
        '--format', 'pdf', '-o', '-'], { env: sheetEnv }), wordBoxes);
      assert.ok(desktop.length > 10 && desktop.some((w) => w.text === 'Anna'), `the desktop's words at ${dpi} dpi`);
      await pressPrint(page);
      const printed = await printedPdf(page, 'a4', false);
      const saved = await downloadPdf(page);
      for (const [what, bytes] of [['printed', printed], ['downloaded', saved]]) {
        const words = withPdf(bytes, wordBoxes);
        const sizes = desktop.map((want) => {
          const got = words.find((w) => w.text === want.text && Math.abs(w.x - want.x) < 1 && Math.abs(w.y - want.y) < 1);
          return got && Math.abs(got.height - want.height) < 0.02 ? 'same' : `"${want.text}" at ${want.x}, ${want.y}: `
            + `${got ? got.height.toFixed(3) : 'missing'} pt high, not ${want.height.toFixed(3)}`;
        });
        assert.deepEqual(sizes.filter((s) => s !== 'same'), [], `${what} at ${dpi} dpi`);
      }
    }
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('Ctrl+P and the browser\'s own Print print what the controls show; a class set only when its dialog asks', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    const printedNow = async (paper) => withPdf(await printedPdf(page, paper, false), (file) =>
      ({ pages: pdfInfo(file).pages, a4: Math.abs(pdfInfo(file).width - 595.3) < 2, corner: cornerText(file) }));
    // A fresh load, nothing pressed: the window's page, not a blank one.
    await choosePage(page, 'letter', false, 300);
    await choose(page, '#kind', 3);
    await setName(page, 'Cleo');
    assert.deepEqual(await printedNow('letter'), { pages: 1, a4: false, corner: 'Cleo v = 0.60 c' });
    // After changes, the page as it is now.
    await choosePage(page, 'a4', false, 300);
    await choose(page, '#kind', 0);
    await setName(page, 'Dora');
    assert.deepEqual(await printedNow('a4'), { pages: 1, a4: true, corner: 'Dora' });
    // A class set once, for the print its dialog asks for; then the window's page again.
    await page.click('#class-set-open');
    await page.$eval('#names', (box) => { box.value = 'Ann\nBen'; box.dispatchEvent(new Event('input', { bubbles: true })); });
    const prints = await page.evaluate(() => window.__gridora.prints);
    await page.click('#class-print');
    await page.waitForFunction((n) => window.__gridora.prints === n + 1, { timeout: 60000 }, prints);
    assert.equal((await printedNow('a4')).pages, 2);
    await page.click('#class-close');
    assert.deepEqual(await printedNow('a4'), { pages: 1, a4: true, corner: 'Dora' });
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('a whole school\'s class set: 2,000 names made into a PDF away from the page, with progress and Cancel', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    await choose(page, '#kind', 3);
    await page.click('#class-set-open');
    await page.$eval('#names', (box) => {
      box.value = Array.from({ length: 2000 }, (_, i) => `Pupil ${i + 1}`).join('\n');
      box.dispatchEvent(new Event('input', { bubbles: true }));
    });
    assert.equal(await page.$eval('#page-count', (e) => e.textContent), '2000 pages will print.');
    // Cancelled half-way: the page answers while the PDF is being made, and no
    // file comes of it.
    const laidOut = () => page.waitForFunction(() => {
      const bar = document.getElementById('class-progress');
      return !bar.hidden && bar.value > 0 && bar.value < bar.max;
    }, { timeout: 60000 });
    await page.click('#class-download');
    await laidOut();
    await page.click('#class-cancel');
    assert.equal(await page.$eval('#page-count', (e) => e.textContent), 'Cancelled: no PDF was saved.');
    assert.deepEqual(await page.$$eval('#class-progress, #class-cancel', (es) => es.map((e) => e.hidden)), [true, true]);
    // Made again, to the end. The cancelled one, had it gone on, would have
    // been saved first. The bar counts the pages laid out, then written.
    await page.evaluate(() => {
      const bar = document.getElementById('class-progress');
      window.__furthest = 0;
      new MutationObserver(() => { window.__furthest = Math.max(window.__furthest, bar.value); })
        .observe(bar, { attributes: true });
    });
    await page.click('#class-download');
    await laidOut();
    await page.waitForFunction(() => window.__gridora.downloads.length > 0, { timeout: 180000 });
    assert.equal(await page.evaluate(() => window.__furthest), 4000, 'progress through laying out and writing');
    assert.equal(await page.$eval('#page-count', (e) => e.textContent), 'Saved Spacetime - class set.pdf.');
    assert.equal(await page.evaluate(() => window.__gridora.downloads.length), 1);
    const bytes = await blobBytes(page, 'last-download');
    // Laid out in batches, yet each page as in one print job: a Spacetime
    // page after the first starts with the wider pen the first one left, so
    // its masks differ, and every later page draws that second sheet.
    assert.deepEqual(sheetsDrawn(bytes), { S1: 1, S2: 1999 });
    withPdf(bytes, (pdf) => {
      assert.equal(pdfInfo(pdf).pages, 2000);
      assert.deepEqual([1, 1000, 2000].map((n) => pageText(pdf, n)), ['Pupil 1', 'Pupil 1000', 'Pupil 2000'].map((name) => `${name} v = 0.60 c`));
    });
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('the Paper panel: the region\'s paper until one is chosen, remembered choices, what to choose in the print dialog', async () => {
    // The paper usual where the browser's first language is spoken; a
    // language alone stands for its likely region.
    // The page itself in English (?lang=en): the region's paper is the point.
    const { page } = await openPage({ before: speaks(['en-US', 'de']), url: `${server.url}?lang=en` });
    await ready(page);
    const regions = [['en-US', 'letter'], ['en-CA', 'letter'], ['es-MX', 'letter'], ['fil', 'letter'], ['en', 'letter'],
      ['en-GB', 'a4'], ['de-DE', 'a4'], ['es', 'a4'], ['fr-CA', 'letter'], ['fr', 'a4']];
    const papers = [];
    for (const [language] of regions) papers.push([language, await fromBundle(page, 'regionPaper', [language, 'en-US'])]);
    assert.deepEqual(papers, regions);

    const boxes = () => page.evaluate(() => ['paper', 'orientation', 'dpi'].map((id) => document.getElementById(id).value));
    const notes = () => page.evaluate(() => ['print-advice', 'scale-warning', 'landscape-note']
      .map((id) => document.getElementById(id)).map((e) => (e.hidden ? '' : e.textContent)));
    await page.evaluate(() => localStorage.clear());
    await page.reload();
    await ready(page);
    assert.deepEqual(await boxes(), ['letter', 'portrait', '600']);
    assert.deepEqual(await notes(), ['In the print dialog, choose Letter paper, and a scale of 100 % (“Actual size”), not “Fit to page”.', '', '']);
    // A4 where printers hold Letter: the browser would shrink it to 94 %.
    // Sideways, a Squared sheet's cells are long; a Log sheet's are not square anyway.
    await choose(page, '#paper', PAPER_INDEX.a4);
    await choose(page, '#orientation', 1);
    assert.deepEqual(await notes(), ['In the print dialog, choose A4 paper, landscape, and a scale of 100 % (“Actual size”), not “Fit to page”.',
      'Printers in this browser\'s region usually hold Letter paper. On Letter, this A4 sheet prints shrunk to 94 %: choose the paper your printer holds.',
      'Turned sideways, a Squared sheet’s cells are not square: they become long rectangles, more than twice as wide as they are tall.']);
    await choose(page, '#kind', 2);
    assert.equal((await notes())[2], '');
    // The choices made are remembered, the paper over the region's.
    await page.reload();
    await ready(page);
    assert.deepEqual(await boxes(), ['a4', 'landscape', '600']);
    await choosePage(page, 'legal', true, 1200);
    await page.reload();
    await ready(page);
    assert.deepEqual(await boxes(), ['legal', 'landscape', '1200']);
    await choosePage(page, 'a4', false, 600);
    await page.close();

    // Letter where printers hold A4: 97 %.
    const { page: german } = await openPage({ before: speaks(['de-DE']), url: `${server.url}?lang=en` });
    await ready(german);
    await choose(german, '#paper', PAPER_INDEX.letter);
    assert.match((await german.$eval('#scale-warning', (e) => e.textContent)), /^Printers in this browser's region usually hold A4 paper\. On A4, this Letter sheet prints shrunk to 97 %/);
    await choose(german, '#paper', PAPER_INDEX.a4);
    assert.equal(await german.$eval('#scale-warning', (e) => e.hidden), true);
    await german.close();
  });

  test('the page speaks the browser\'s language from the catalogues, writes its decimal comma, and remembers the menu\'s choice', async () => {
    const said = (language) => {
      const words = JSON.parse(readFileSync(join(siteDir, 'i18n', `${language}.json`), 'utf8'));
      return (context, text) => words[`${context}\u0004${text}`];
    };
    const window = 'gridora::app::MainWindow';
    const shown = (page) => page.evaluate(() => ({
      lang: document.documentElement.lang,
      caption: document.querySelector('.caption').textContent,
      print: document.getElementById('print').textContent,
      kindLabel: document.getElementById('kind').getAttribute('aria-label'),
      kinds: [...document.getElementById('kind').options].map((o) => o.text),
      count: document.getElementById('page-count').textContent,
      velocity: document.getElementById('velocity-label').textContent,
      valueText: document.getElementById('velocity').getAttribute('aria-valuetext'),
    }));
    for (const language of ['de', 'fr', 'es']) {
      const { page, problems } = await openPage({ languages: [`${language}-XX`, 'en-US'] });
      await ready(page);
      await page.click('#class-set-open');
      await page.click('#class-close');
      const tr = said(language);
      assert.notEqual(tr(window, 'Choose Your Graph......'), 'Choose Your Graph......', `${language}: translated`);
      assert.deepEqual(await shown(page), {
        lang: language,
        caption: tr(window, 'Choose Your Graph......'),
        print: tr(window, '&Print').replace('&', ''),
        kindLabel: tr(window, 'Kind of graph paper'),
        kinds: ['Squared', 'Semi log', 'Log', 'Spacetime', 'Millimetre'].map((kind) => tr('Kinds', kind)),
        count: tr('Browser', 'No names yet.'),
        velocity: 'v = 0,60 c', // the decimal comma of all three
        valueText: '0,60 c',
      });
      // Longer words widen the window's controls into free room, never over one another.
      const overlapping = await page.evaluate(() => {
        const shown = ['.who-label', '#who', '#kind', '#size', '#print']
          .map((s) => [s, document.querySelector(s).getBoundingClientRect()]);
        return shown.flatMap(([a, r], i) => shown.slice(i + 1)
          .filter(([, q]) => r.left < q.right && q.left < r.right && r.top < q.bottom && q.top < r.bottom)
          .map(([b]) => `${a} ${b}`));
      });
      assert.deepEqual(overlapping, [], `${language}: controls over one another`);
      if (language === 'de') { // the printed page writes the velocity as the window does
        await choosePage(page, 'a4', false, 300);
        await choose(page, '#kind', 3);
        await setName(page, 'Ada');
        await pressPrint(page);
        assert.equal(withPdf(await printedPdf(page, 'a4', false), cornerText), 'Ada v = 0,60 c');
        // The core's own sentences too: a class list that is not UTF-8.
        await page.click('#class-set-open');
        await page.$eval('#names-file', (box, bytes) => {
          const files = new DataTransfer();
          files.items.add(new File([new Uint8Array(bytes)], 'list.txt', { type: 'text/plain' }));
          box.files = files.files;
          box.dispatchEvent(new Event('change', { bubbles: true }));
        }, [...Buffer.from('Ada\nJos\xE9\n', 'latin1')]);
        await page.waitForFunction(() => document.getElementById('page-count').textContent.startsWith('Zeile'));
        assert.equal(await page.$eval('#page-count', (e) => e.textContent), 'Zeile 2 von list.txt ist kein UTF-8-Text.');
      }
      assert.deepEqual(problems, []);
      await page.close();
    }
    // The menu's choice wins over the browser's languages, on every visit.
    const { page } = await openPage({ languages: ['de-DE'] });
    await ready(page);
    await page.select('#language', 'fr');
    await page.waitForFunction(() => document.documentElement.lang === 'fr' && document.documentElement.dataset.ready);
    await page.goto(server.url, { waitUntil: 'load' });
    await ready(page);
    assert.equal((await shown(page)).caption, said('fr')(window, 'Choose Your Graph......'));
    await page.select('#language', 'en');
    await page.waitForFunction(() => document.documentElement.lang === 'en' && document.documentElement.dataset.ready);
    assert.equal((await shown(page)).caption, 'Choose Your Graph......');
    await page.close();
  });

  test('hostile names: 100,000 characters, control characters, right-to-left text', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    const long = 'Ab'.repeat(50000);
    for (const [name, shown] of [[long, /^AbAbAb/], ['A\u0001B\u0007C\u202eD', /A\\u0001B\\u0007C/],
      ['<img src=x onerror=alert(1)>', /<img src=x onerror=alert\(1\)>/], ['مرحبا Anna שלום', /Anna/]]) {
      await choose(page, '#kind', name === long ? 3 : 0);
      await setName(page, name);
      const started = Date.now();
      await pressPrint(page);
      const printed = await printedPdf(page, 'a4', false);
      await page.click('#download');
      await page.waitForFunction((n) => window.__gridora.downloads.length === n, { timeout: 120000 },
        await page.evaluate(() => window.__gridora.prints));
      assert.ok(Date.now() - started < 120000, 'no hang');
      const saved = await blobBytes(page, 'last-download');
      for (const bytes of [printed, saved]) {
        withPdf(bytes, (file) => {
          assert.equal(pdfInfo(file).pages, 1);
          const text = textIn(file, 0, 0, 612, 60).split('\n').filter((l) => l.trim());
          assert.equal(text.length, 1, 'one line');
          assert.match(text[0], shown);
        });
      }
      assert.equal(await page.$$eval('#print-page img, #print-page script', (e) => e.length), 0, 'the name is no markup');
      const fileName = await page.evaluate(() => window.__gridora.downloads.at(-1).name);
      assert.match(fileName, /^[\p{L}\p{N}\p{M} _-]+\.pdf$/u, `safe file name: ${fileName}`);
      assert.ok(fileName.length < 100);
    }
    // A file name keeps a name's vowel points and other marks (Hebrew points,
    // a diaeresis no letter has composed), and a long name is cut between
    // letters, never between a letter and its mark. (Hindi and Thai, whose
    // vowel signs are marks too, are names the page's faces cannot letter.)
    await choose(page, '#kind', 0);
    const marked = 'שָׁלוֹם Spin\u0308al'.normalize('NFC');
    for (const [name, fileName] of [[`${marked} / A`, `Squared - ${marked} _ A.pdf`],
      [`${'a'.repeat(59)}n\u0308`, `Squared - ${'a'.repeat(59)}n\u0308.pdf`]]) {
      await setName(page, name);
      const downloads = await page.evaluate(() => window.__gridora.downloads.length);
      await page.click('#download');
      await page.waitForFunction((n) => window.__gridora.downloads.length === n + 1, { timeout: 60000 }, downloads);
      assert.equal(await page.evaluate(() => window.__gridora.downloads.at(-1).name), fileName);
    }
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('no WebAssembly: the page says so in plain words', async () => {
    const { page } = await openPage({ before: () => { delete globalThis.WebAssembly; } });
    await page.waitForSelector('#no-wasm:not([hidden])', { timeout: 20000 });
    assert.match(await page.$eval('#no-wasm', (e) => e.innerText), /WebAssembly/);
    assert.equal(await page.$eval('main', (e) => e.hidden), true);
    await page.close();
  });

  test('loading: "Loading…" and the remembered choices from the first paint; a core of any type; a core that cannot be had', async () => {
    const site = await serveSite(siteDir);
    const failing = await browser.createBrowserContext();
    const loading = await browser.createBrowserContext();
    try {
      // Each failure is said in words, and the window that cannot work is not shown.
      for (const [behaviour, said] of [
        [{ missing: ['gridora-core.wasm'] }, /^Gridora's drawing core could not be loaded from the server: the server answered 404 Not Found for gridora-core\.wasm\.$/],
        [{ cut: ['gridora-core.wasm'] }, /^Gridora's drawing core could not be loaded from the server: gridora-core\.wasm arrived damaged or incomplete \(.+\)\.$/],
        [{ missing: ['gridora.js'] }, /^Gridora could not be loaded from the server: gridora\.js did not arrive\.$/]]) {
        site.behave(behaviour);
        const { page } = await openPage({ context: failing, url: site.url });
        await page.waitForSelector('#core-failed:not([hidden])', { timeout: 20000 });
        assert.match(await page.$eval('#core-failed-reason', (e) => e.textContent), said);
        assert.equal(await page.$eval('main', (e) => e.hidden), true);
        await page.close();
      }
      site.behave();
      if (chromium) { // Firefox's remote protocol cannot switch scripts off (no emulation.setScriptingEnabled)
        const page = await failing.newPage();
        await page.setJavaScriptEnabled(false);
        await page.goto(site.url);
        assert.deepEqual(await page.evaluate(() => [document.getElementById('no-script')?.innerText.split('\n')[0],
          getComputedStyle(document.querySelector('main')).display]), ['Gridora needs JavaScript', 'none']);
        await page.close();
      }

      // The page's script held back, as on a slow line; the core sent as
      // application/octet-stream; the app's manifest missing.
      const storage = await loading.newPage();
      await storage.goto(`${site.url}LICENSE.txt`);
      await storage.evaluate(() => localStorage.setItem('gridora.page', JSON.stringify({ orientation: 'landscape', dpi: 1200 })));
      await storage.close();
      site.behave({ hold: ['gridora.js'], types: { '.wasm': 'application/octet-stream' }, missing: ['manifest.webmanifest'] });
      const page = await loading.newPage();
      await page.evaluateOnNewDocument(speaks(['en-US']));
      const loaded = page.goto(site.url);
      loaded.catch(() => {}); // a failure below is the one to report
      await page.waitForSelector('#print-page', { timeout: 20000 });
      const shown = () => page.evaluate(() => {
        const note = document.getElementById('loading');
        return {
          loading: getComputedStyle(note).display === 'none' ? '' : note.textContent,
          disabled: [...document.querySelectorAll('main select, main input, main button')].filter((e) => e.disabled).length,
          boxes: ['kind', 'paper', 'orientation', 'dpi'].map((id) => document.getElementById(id).value),
        };
      });
      assert.deepEqual(await shown(), { loading: 'Loading…', disabled: 10, boxes: ['squared', 'letter', 'landscape', '1200'] });
      site.letGo();
      await loaded;
      await ready(page);
      assert.deepEqual(await shown(), { loading: '', disabled: 0, boxes: ['squared', 'letter', 'landscape', '1200'] });
      assert.equal(await canvasDigest(page, false), digest(await sheetPng(sheetArgs('squared', 1, 60)), false));
      // Without its manifest, the site still works with no network.
      await serviceWorkerInCharge(page);
      await site.stop();
      await page.reload();
      await ready(page);
      await page.close();
    } finally {
      site.letGo();
      await failing.close();
      await loading.close();
      await site.stop();
    }
  });

  test('a new release arrives whole whatever the server\'s caching; one that cannot arrive whole is not kept', async () => {
    const site = await serveSite(siteDir);
    const built = releaseIn(readFileSync(join(siteDir, 'index.html'), 'utf8'));
    try {
      for (const caching of ['last-modified', 'max-age']) {
        const context = await browser.createBrowserContext();
        site.behave({ caching });
        const { page } = await openPage({ context, url: site.url });
        await ready(page);
        await serviceWorkerInCharge(page);
        await page.reload(); // the files are in the browser's HTTP cache now
        await ready(page);
        const next = release(built, `${caching}-next`);
        site.behave({ caching, transform: next.transform });
        await page.reload();
        await ready(page);
        assert.deepEqual(await releaseShown(page), [built, built], `${caching}: the old release, whole, while the new one arrives`);
        await page.waitForSelector('#update:not([hidden])', { timeout: 30000 });
        assert.equal(await page.$eval('#update span', (e) => e.textContent), 'A new version of Gridora is ready');
        if (caching === 'last-modified') await Promise.all([page.waitForNavigation(), page.click('#update-reload')]);
        else {
          // The notice left alone: a page opened again while another page of
          // the old release is open stays with it; with none open, it does not.
          const { page: other } = await openPage({ context, url: site.url });
          await ready(other);
          await page.reload();
          await ready(page);
          assert.deepEqual(await releaseShown(page), [built, built], 'another page of the old release is open');
          await other.close();
          await page.bringToFront();
          await page.reload();
        }
        await ready(page);
        assert.deepEqual(await releaseShown(page), [next.name, next.name], `${caching}: the new release, whole`);
        assert.equal(await page.$eval('#update', (e) => e.hidden), true);
        if (caching === 'max-age') {
          // A release whose core is missing, or whose page script is still the
          // one before (an upload half done), is not kept; one whose manifest
          // is missing is.
          for (const [what, tag, behaviour, outcome] of [
            ['core missing', 'c', { missing: ['gridora-core.wasm'] }, 'redundant'],
            ['half uploaded', 'd', { stale: ['gridora.js'] }, 'redundant'],
            ['manifest missing', 'e', { missing: ['manifest.webmanifest'] }, 'installed']]) {
            const other = release(built, tag, behaviour.stale ?? [], next.name);
            site.behave({ caching, transform: other.transform, missing: behaviour.missing ?? [] });
            assert.equal(await nextWorkerOutcome(page), outcome, what);
            if (outcome === 'redundant') assert.deepEqual(await releaseShown(page), [next.name, next.name]);
            else {
              await Promise.all([page.waitForNavigation(), page.click('#update-reload')]);
              await ready(page);
              assert.deepEqual(await releaseShown(page), [other.name, other.name], what);
            }
          }
          await site.stop();
          await page.reload();
          await ready(page);
        }
        await context.close();
      }
    } finally {
      await site.stop();
    }
  });

  test('on a tablet every control is on the first screen, 44 CSS pixels a side; the sample fits at a whole ratio', async () => {
    const { page, problems } = await openPage();
    await ready(page);
    // Everything a finger can touch in `scope` that can be seen: its size
    // (a check box's, its label's) and whether it is on the first screen.
    const misfits = (scope) => page.evaluate((within) => {
      const out = [];
      const { clientWidth, clientHeight } = document.documentElement;
      for (const e of document.querySelectorAll(`${within} :is(button, select, input, textarea, a[href])`)) {
        if (e.getClientRects().length === 0) continue;
        const r = (e.type === 'checkbox' ? e.closest('label') : e).getBoundingClientRect();
        const name = e.id || e.textContent.trim();
        if (r.width < 44 || r.height < 44) out.push(`${name}: ${r.width} x ${r.height}`);
        if (r.left < 0 || r.top < 0 || r.right > clientWidth || r.bottom > clientHeight) out.push(`${name}: off the screen`);
      }
      return out;
    }, scope);
    // Device pixels per sample pixel, and whether the sample is on the first screen.
    const sampleShown = () => page.$eval('#sample', (e) => {
      const r = e.getBoundingClientRect();
      return [(r.width * devicePixelRatio) / e.width, (r.height * devicePixelRatio) / e.height,
        r.right <= document.documentElement.clientWidth && r.bottom <= document.documentElement.clientHeight];
    });
    // Each new screen reloads the page: what it still fetches is let finish
    // first, or Firefox reports the cut-off fetch as an error. Chromium
    // reloads it once more by itself when touch comes or goes, and a fetch of
    // that load cut off is at times never reported ended: it is let finish too.
    const newScreen = async (viewport) => {
      await page.waitForNetworkIdle({ idleTime: 200 });
      await page.setViewport(viewport);
      await page.waitForNetworkIdle({ idleTime: 200 });
    };
    for (const [width, height] of [[1024, 768], [768, 1024]]) {
      await newScreen({ width, height, deviceScaleFactor: 2, hasTouch: true });
      await page.reload();
      await ready(page);
      assert.equal(await page.evaluate(() => matchMedia('(pointer: coarse)').matches), true, 'a touch screen');
      for (const kind of [0, 3]) {
        await choose(page, '#kind', kind);
        assert.deepEqual(await misfits('main'), [], `${width} x ${height}, kind ${kind}`);
      }
      const [across, down, onScreen] = await sampleShown();
      assert.ok(Number.isInteger(across) && across === down && onScreen, `${width} x ${height}: sample at ${across}`);
      await page.click('#class-set-open');
      assert.deepEqual(await misfits('#class-set'), [], `${width} x ${height}: the class set`);
      await page.click('#class-close');
    }
    // A phone keeps its own layout: the sample as wide as fits, at a whole ratio.
    await newScreen({ width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true });
    await page.reload();
    await ready(page);
    const [phone] = await sampleShown();
    const phoneWidth = await page.$eval('#sample', (e) => e.getBoundingClientRect().width);
    assert.ok(Number.isInteger(phone) && phoneWidth <= 390 && phoneWidth > 390 / 2, `phone: ${phoneWidth} px at ${phone}`);
    if (chromium) { // Firefox's run has a tablet's pointer throughout
      await newScreen({ width: 1280, height: 800, deviceScaleFactor: 1, hasTouch: false });
      await page.reload();
      await ready(page);
      assert.deepEqual(await page.$$eval('#print, #sample', (es) => es.map((e) => e.getBoundingClientRect().height)), [25, 397],
        'a mouse-driven screen keeps the desktop\'s sizes');
    }
    assert.deepEqual(problems, []);
    await page.close();
  });

  test('axe-core finds no accessibility violation, in grid and in spacetime mode', async () => {
    const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    const { page } = await openPage();
    await ready(page);
    for (const kind of [0, 3]) {
      await choose(page, '#kind', kind);
      await page.evaluate(axeSource);
      const violations = await page.evaluate(async () => (await window.axe.run(document)).violations
        .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
      assert.deepEqual(violations, [], `kind ${kind}`);
    }
    await page.close();
  });

  test('works with the network cut after the first visit', async () => {
    const { page } = await openPage();
    await ready(page);
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller)
        await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
    });
    await server.stop();
    try {
      await page.reload();
      await ready(page);
      await choose(page, '#kind', 2);
      assert.equal(await canvasDigest(page, true), digest(await sheetPng(sheetArgs('log', 1, 60)), true));
      await page.click('#download');
      await page.waitForFunction(() => window.__gridora.downloads.length === 1, { timeout: 20000 });
    } finally {
      server = await serveSite(siteDir, server.port);
    }
    await page.close();
  });
});
