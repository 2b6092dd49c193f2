// What printing costs in the browser: a Spacetime page (0.60 c, A4, 600 dpi)
// and a 30-pupil Spacetime class set, printed (the print layout to PDF, as
// the browser hands a print job on) and saved by Download PDF, in Debian's
// Chromium and Firefox ESR, headless:
//   node bench/web_print_bench.mjs build/web/site [runs]
// Each figure is the median of `runs` (default 3) with the fastest and
// slowest beside it; sizes are the PDF's bytes. A printer's driver then
// rasterises the job: the time pdftoppm takes for the first page at 600 dpi
// without smoothing is given beside each print.

import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launch } from '../tests/web/browsers.mjs';
import { serveSite } from '../tests/web/server.mjs';

const site = process.argv[2] ?? 'build/web/site';
const runs = Number(process.argv[3] ?? 3);
const PUPILS = Array.from({ length: 30 }, (_, i) => `Pupil ${i + 1} Example`);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

function printed(page, chromium) {
  return chromium ? page.pdf({ preferCSSPageSize: true, printBackground: true, timeout: 0 })
    : page.pdf({ width: '210mm', height: '297mm', margin: { top: 0, right: 0, bottom: 0, left: 0 },
      printBackground: true, timeout: 0 });
}

// Seconds pdftoppm takes for page 1 of `pdf` at 600 dpi.
function rasterised(pdf) {
  const dir = mkdtempSync(join(tmpdir(), 'gridora-bench-'));
  try {
    writeFileSync(join(dir, 'print.pdf'), pdf);
    const start = performance.now();
    execFileSync('pdftoppm', ['-r', '600', '-gray', '-aa', 'no', '-aaVector', 'no', '-f', '1', '-l', '1',
      join(dir, 'print.pdf'), join(dir, 'page')]);
    return (performance.now() - start) / 1000;
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

async function measure(browserName, server) {
  const chromium = browserName === 'chromium';
  const browser = await launch(browserName);
  const page = await browser.newPage();
  await page.evaluateOnNewDocument(() => {
    window.print = () => { window.printsAsked = (window.printsAsked ?? 0) + 1; };
    const created = new Map();
    const createObjectURL = URL.createObjectURL.bind(URL);
    URL.createObjectURL = (blob) => { const url = createObjectURL(blob); created.set(url, blob); return url; };
    HTMLAnchorElement.prototype.click = function click() { window.savedSize = created.get(this.href)?.size; };
  });
  await page.goto(server.url);
  await page.waitForSelector('html[data-ready]');
  await page.$eval('#paper', (box) => { box.value = 'a4'; box.dispatchEvent(new Event('change')); });
  await page.$eval('#orientation', (box) => { box.value = 'portrait'; box.dispatchEvent(new Event('change')); });
  await page.$eval('#dpi', (box) => { box.value = '600'; box.dispatchEvent(new Event('change')); });
  await page.$eval('#kind', (box) => { box.value = 'spacetime'; box.dispatchEvent(new Event('change')); });
  await page.$eval('#who', (box) => { box.value = 'Pupil 1 Example'; box.dispatchEvent(new Event('input')); });
  const rows = {};
  const time = async (name, work) => {
    const times = [];
    let pdf = null;
    for (let i = 0; i < runs; i++) {
      const start = performance.now();
      pdf = await work();
      times.push(performance.now() - start);
    }
    rows[name] = { median: median(times), min: Math.min(...times), max: Math.max(...times), bytes: pdf.length,
      raster: name.includes('printed') ? rasterised(pdf) : null };
  };
  await time('one page, printed', () => printed(page, chromium));
  await page.click('#class-set-open');
  await page.$eval('#names', (box, names) => { box.value = names; box.dispatchEvent(new Event('input')); }, PUPILS.join('\n'));
  await time('30 pupils, printed', async () => {
    const asked = await page.evaluate(() => window.printsAsked ?? 0);
    await page.click('#class-print');
    await page.waitForFunction((n) => window.printsAsked === n + 1, { timeout: 0 }, asked);
    return printed(page, chromium);
  });
  await time('30 pupils, Download PDF', async () => {
    await page.evaluate(() => { window.savedSize = undefined; });
    await page.click('#class-download');
    await page.waitForFunction(() => window.savedSize !== undefined, { timeout: 0 });
    return { length: await page.evaluate(() => window.savedSize) };
  });
  await browser.close();
  return rows;
}

const server = await serveSite(site);
try {
  for (const browserName of ['chromium', 'firefox']) {
    for (const [name, r] of Object.entries(await measure(browserName, server))) {
      console.log(`${browserName}, Spacetime 0.60 c A4 600 dpi, ${name}: median ${(r.median / 1000).toFixed(2)} s `
        + `(${(r.min / 1000).toFixed(2)} / ${(r.max / 1000).toFixed(2)} s), ${(r.bytes / 1024).toFixed(1)} KB`
        + `${r.raster === null ? '' : `, pdftoppm ${r.raster.toFixed(2)} s`}`);
    }
  }
} finally {
  await server.stop();
}
