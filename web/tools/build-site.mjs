// Assembles the static site: the page's files, its JavaScript modules and the
// core's glue bundled into one file (one request instead of nine before the
// first sample can be drawn) and a chunk for making PDFs, a small script that shows the remembered
// choices from the first paint, the class-set worker, the WebAssembly core,
// the icons, the printed page's fonts, the licence and the user guide, and a
// service worker that keeps every one of them for use without a network.
//
// Every release is stamped with a name made from its version and a hash of
// its files: the page asks for its own files under that name
// (gridora.js?r=…), so a browser's HTTP cache can never hand a new page an
// old script, and the service worker knows its release's files by it.
//
//   node build-site.mjs --source DIR --site DIR --version V --wasm DIR --icons DIR --font FILE [--font FILE…]

import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { basename, join, relative } from 'node:path';
import { pathToFileURL } from 'node:url';
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

// The kind box's kinds, the first kind's sizes, and the Paper panel's papers
// and resolutions, asked of the core itself and written into the page, so
// that they show from the first paint.
const { coreFromModule } = await import(pathToFileURL(join(modules, 'core.js')));
const core = await coreFromModule(await WebAssembly.compile(readFileSync(join(opt.wasm, 'gridora-core.wasm'))));
const { papers, resolutions, defaultDpi } = core.paperChoices();
const escape = (text) => text.replace(/[&<>"]/g, (c) => `&#${c.charCodeAt(0)};`);
const paperOptions = papers.map((p) => `<option value="${escape(p.name)}">${escape(p.label)}</option>`).join('');
const resolutionOptions = resolutions.map((dpi) =>
  `<option value="${dpi}"${dpi === defaultDpi ? ' selected' : ''}>${dpi} dpi</option>`).join('');
const kinds = core.kinds();
const kindOptions = kinds.map((kind) => `<option value="${escape(kind.id)}">${escape(kind.name)}</option>`).join('');
const sizeOptions = kinds[0].sizeLabels.map((label) => `<option>${escape(label)}</option>`).join('');
const page = join(site, 'index.html');
writeFileSync(page, readFileSync(page, 'utf8').replace('@PAPER_OPTIONS@', paperOptions)
  .replace('@RESOLUTION_OPTIONS@', resolutionOptions).replace('@KIND_OPTIONS@', kindOptions)
  .replace('@SIZE_OPTIONS@', sizeOptions));
// The page's bundle is a module, and the PDF's text setting (HarfBuzz, the
// bidirectional algorithm) a chunk of its own, fetched with its WebAssembly
// the first time a PDF is made. The class-set worker is a module of its own
// (built apart, so that the page's bundle shares no chunk with it and needs
// no second request before the first sample); first-paint.js is a plain
// script, run before the page is first drawn.
const STAMP = '@RELEASE@';
const bundled = {
  bundle: true, minify: true, target: 'es2022', logLevel: 'warning', external: ['module'],
  define: { GRIDORA_RELEASE: JSON.stringify(STAMP) },
};
await build({
  ...bundled, entryPoints: { gridora: join(modules, 'app.js') }, outdir: site, splitting: true,
  chunkNames: '[name]-[hash]', format: 'esm',
});
await build({ ...bundled, entryPoints: [join(modules, 'class-set-worker.js')], outdir: site, format: 'esm' });
await build({ ...bundled, entryPoints: [join(modules, 'first-paint.js')], outdir: site, format: 'iife' });
for (const wasm of ['harfbuzz.wasm', 'harfbuzz-subset.wasm'])
  copy(join(opt.source, 'node_modules/harfbuzzjs/dist', wasm));
copy(join(opt.wasm, 'gridora-core.wasm'));
copy(join(opt.icons, 'icon-192.png'));
copy(join(opt.icons, 'icon-512.png'));
copy(join(opt.source, 'packaging/icons/org.gridora.gridora.svg'), 'icon.svg');
for (const font of opt.font) copy(font);
copy(join(opt.source, 'LICENSE'), 'LICENSE.txt');

// The page's words in every language of the catalogues: i18n/LANG.json.
execFileSync(process.execPath, [join(web, 'tools', 'page-texts.mjs'), '--source', opt.source, '--site', site]);

// The user guide with the pictures it shows.
const guide = readFileSync(join(opt.source, 'docs/user-guide.html'), 'utf8');
writeFileSync(join(site, 'user-guide.html'), guide);
for (const [, src] of guide.matchAll(/src="([^"]+)"/g))
  if (!/^[a-z]+:/i.test(src)) copy(join(opt.source, 'docs', src), src);

// The release's name, from its files as built; then the files that carry it.
function listFiles(dir) {
  return readdirSync(dir).flatMap((name) => {
    const path = join(dir, name);
    return statSync(path).isDirectory() ? listFiles(path) : [relative(site, path)];
  });
}
const files = listFiles(site).sort();
const hash = createHash('sha256');
for (const f of files) hash.update(f).update(readFileSync(join(site, f)));
hash.update(readFileSync(join(web, 'sw.js')));
const release = `${opt.version}-${hash.digest('hex').slice(0, 12)}`;
for (const f of files) {
  const text = readFileSync(join(site, f), 'latin1');
  if (text.includes(STAMP)) writeFileSync(join(site, f), text.replaceAll(STAMP, release), 'latin1');
}

// The service worker keeps the files the page needs as one release; the app's
// manifest and icons, the licence and the user guide with its pictures are
// kept when the server sends them, and never hold a release back.
const extra = (f) => /^(icon|LICENSE|user-guide)|\.webmanifest$|\//.test(f);
const url = (f) => `./${f}`;
const worker = readFileSync(join(web, 'sw.js'), 'utf8')
  .replaceAll(STAMP, release)
  .replace('/* @NEEDED@ */ []', JSON.stringify(['./', ...files.filter((f) => !extra(f)).map(url)]))
  .replace('/* @EXTRAS@ */ []', JSON.stringify(files.filter(extra).map(url)));
writeFileSync(join(site, 'sw.js'), worker);
