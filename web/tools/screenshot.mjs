// The README's picture of the browser version: the built site in headless
// Chromium, "Semi log" with two decades and a name.
//   node web/tools/screenshot.mjs build/web/site docs/screenshots/web-chromium.png

import { launch } from '../../tests/web/browsers.mjs';
import { serveSite } from '../../tests/web/server.mjs';

const [site = 'build/web/site', out = 'docs/screenshots/web-chromium.png'] = process.argv.slice(2);
const server = await serveSite(site);
const browser = await launch('chromium');
const page = await browser.newPage();
await page.setViewport({ width: 820, height: 600 });
await page.goto(server.url);
await page.waitForSelector('html[data-ready]');
await page.select('#kind', 'Semi log');
await page.select('#size', '10x2 cycle');
await page.type('#who', 'Anna');
await page.screenshot({ path: out });
await browser.close();
await server.stop();
