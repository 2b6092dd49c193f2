// Assembles the static site: the page's files, its JavaScript modules and the
// core's glue bundled into one file (and a chunk for making PDFs) (one request instead of nine before the
// first sample can be drawn), the WebAssembly core, the icons, the printed
// page's fonts, the licence and the user guide, and a service worker that
// keeps every one of them for use without a network.
//
//   node build-site.mjs --source DIR --site DIR --version V --wasm DIR --icons DIR --font FILE [--font FILE…]

import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { basename, join, relative } from 'node:path';
import { parseArgs } from 'node:util';
import { build } from 'esbuild';

const { values: opt } = parseArgs({
  options: Object.fromEntries(['source', 'site', 'version', 'wasm', 'icons', 'font']
    .map((k) => [k, { type: 'string', multiple: k === 'font' }])),
});
const web = join(opt.source, 'web');
const site = opt.site;

rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });

function copy(from, to = basename(from)) {
  mkdirSync(join(site, to, '..'), { recursive: true });
  copyFileSync(from, join(site, to));
}

// The modules are staged beside the site with the core's glue, then bundled.
const modules = join(site, '..', 'modules');
rmSync(modules, { recursive: true, force: true });
mkdirSync(modules, { recursive: true });
for (const name of readdirSync(web)) {
  if (!/\.(html|css|js|webmanifest|svg)$/.test(name) || name === 'sw.js') continue;
  const text = readFileSync(join(web, name), 'utf8').replaceAll('@PROJECT_VERSION@', opt.version);
  // core-compile.js is also loaded on its own, ahead of the bundle.
  if (!name.endsWith('.js') || name === 'core-compile.js') writeFileSync(join(site, name), text);
  if (name.endsWith('.js')) writeFileSync(join(modules, name), text);
}
copyFileSync(join(opt.wasm, 'gridora-core.js'), join(modules, 'gridora-core.js'));
// The PDF's text setting (HarfBuzz, the bidirectional algorithm) is a chunk
// of its own, fetched with its WebAssembly the first time a PDF is made.
await build({
  entryPoints: { gridora: join(modules, 'app.js') }, outdir: site, splitting: true,
  chunkNames: '[name]-[hash]', bundle: true, format: 'esm', minify: true, target: 'es2022',
  logLevel: 'warning', external: ['module'],
});
for (const wasm of ['harfbuzz.wasm', 'harfbuzz-subset.wasm'])
  copy(join(opt.source, 'node_modules/harfbuzzjs/dist', wasm));
copy(join(opt.wasm, 'gridora-core.wasm'));
copy(join(opt.icons, 'icon-192.png'));
copy(join(opt.icons, 'icon-512.png'));
copy(join(opt.source, 'packaging/icons/org.gridora.gridora.svg'), 'icon.svg');
for (const font of opt.font) copy(font);
copy(join(opt.source, 'LICENSE'), 'LICENSE.txt');

// The user guide with the pictures it shows.
const guide = readFileSync(join(opt.source, 'docs/user-guide.html'), 'utf8');
writeFileSync(join(site, 'user-guide.html'), guide);
for (const [, src] of guide.matchAll(/src="([^"]+)"/g))
  if (!/^[a-z]+:/i.test(src)) copy(join(opt.source, 'docs', src), src);

// The service worker keeps every file; its cache is named after their
// contents, so a changed site replaces the old cache on the next visit.
function listFiles(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? listFiles(path) : [relative(site, path)];
  });
}
const files = listFiles(site).sort();
const hash = createHash('sha256');
for (const f of files) hash.update(f).update(readFileSync(join(site, f)));
const worker = readFileSync(join(web, 'sw.js'), 'utf8')
  .replace('@CACHE_NAME@', `gridora-${opt.version}-${hash.digest('hex').slice(0, 12)}`)
  .replace('@FILES@', JSON.stringify(['./', ...files.map((f) => `./${f}`)]));
writeFileSync(join(site, 'sw.js'), worker);
