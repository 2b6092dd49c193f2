// Gridora's window in the browser: the controls with the window's behaviour,
// the sample from the core, and the page for the browser's print dialog and
// for a PDF file. Every sheet, ruling and pixel comes from the core.

import { loadCore, SAMPLE_HEIGHT, SAMPLE_WIDTH } from './core.js';
import { parsePaintPages } from './paint-list.js';
import { fontFile, printPages, unprintableName, wirePrintPage } from './print-page.js';
import { safeFileName } from './file-name.js';

const MAX_POSITION = 90;
const LARGE_STEP = 10;

const $ = (id) => document.getElementById(id);
const ui = {
  kind: $('kind'), size: $('size'), velocity: $('velocity'), velocityLabel: $('velocity-label'),
  who: $('who'), print: $('print'), sample: $('sample'), graphGroup: $('graph-group'),
  spacetimeGroup: $('spacetime-group'), paper: $('paper'), orientation: $('orientation'),
  dpi: $('dpi'), download: $('download'), status: $('status'),
};

let core = null;

// ------------------------------------------------------------------ sample

function drawSample() {
  const pixels = core.sample(ui.kind.selectedIndex, ui.size.selectedIndex, Number(ui.velocity.value));
  ui.sample.getContext('2d').putImageData(new ImageData(pixels, SAMPLE_WIDTH, SAMPLE_HEIGHT), 0, 0);
}

// The sample is shown at a whole number of device pixels per pixel, so no
// ruling is ever smoothed or dropped: as large as fits, and on a mouse-driven
// screen about as large as the desktop's.
function scaleSample() {
  const ratio = window.devicePixelRatio || 1;
  const room = Math.max(1, document.documentElement.clientWidth - 40);
  const wanted = matchMedia('(pointer: coarse)').matches ? room : Math.min(room, SAMPLE_WIDTH);
  let factor = Math.max(1, Math.floor((wanted * ratio) / SAMPLE_WIDTH));
  if ((SAMPLE_WIDTH * factor) / ratio < 0.75 * SAMPLE_WIDTH && (SAMPLE_WIDTH * (factor + 1)) / ratio <= room)
    factor += 1;
  const root = document.documentElement.style;
  root.setProperty('--sample-css', `${(SAMPLE_WIDTH * factor) / ratio}px`);
  root.setProperty('--sample-css-h', `${(SAMPLE_HEIGHT * factor) / ratio}px`);
}

// ------------------------------------------------------------------ controls

// The kind chosen, as the core's table of kinds describes it.
function chosenKind() {
  return core.kinds()[ui.kind.selectedIndex];
}

function fillKindBox() {
  ui.kind.replaceChildren(...core.kinds().map((kind) => new Option(kind.name)));
}

function fillSizeBox() {
  ui.size.replaceChildren(...chosenKind().sizeLabels.map((label) => new Option(label)));
  ui.size.selectedIndex = 0;
}

function showVelocity() {
  const p = Number(ui.velocity.value);
  const text = `0.${String(p).padStart(2, '0')} c`;
  ui.velocityLabel.value = `v = ${text}`;
  ui.velocity.setAttribute('aria-valuetext', text);
}

function kindChanged() {
  fillSizeBox();
  drawSample();
  // A size box under the "Spacetime" group cannot be seen, so it takes no focus.
  const { hasSizes, hasVelocity } = chosenKind();
  ui.spacetimeGroup.hidden = !hasVelocity;
  ui.velocity.hidden = !hasVelocity;
  ui.velocityLabel.hidden = !hasVelocity;
  ui.graphGroup.hidden = hasVelocity;
  ui.size.hidden = !hasSizes;
}

function setVelocity(position) {
  const p = Math.min(MAX_POSITION, Math.max(0, position));
  if (p === Number(ui.velocity.value)) return;
  ui.velocity.value = String(p);
  velocityChanged();
}

function velocityChanged() {
  showVelocity();
  drawSample();
}

// The bar follows the desktop's keys: Left, Up and PageUp lower the velocity,
// Right, Down and PageDown raise it, Home and End go to the ends.
const VELOCITY_KEYS = {
  ArrowLeft: -1, ArrowUp: -1, PageUp: -LARGE_STEP,
  ArrowRight: 1, ArrowDown: 1, PageDown: LARGE_STEP,
};

function velocityKey(event) {
  const p = Number(ui.velocity.value);
  if (event.key in VELOCITY_KEYS) setVelocity(p + VELOCITY_KEYS[event.key]);
  else if (event.key === 'Home') setVelocity(0);
  else if (event.key === 'End') setVelocity(MAX_POSITION);
  else return;
  event.preventDefault();
}

function velocityWheel(event) {
  if (event.deltaY === 0) return;
  event.preventDefault();
  setVelocity(Number(ui.velocity.value) + Math.sign(event.deltaY));
}

// ------------------------------------------------------------------ the page

const SETTINGS_KEY = 'gridora.page';

// The papers and resolutions the core lays pages out for.
function fillPageBoxes() {
  const { papers, resolutions } = core.paperChoices();
  ui.paper.replaceChildren(...papers.map((p) => new Option(p.label, p.name)));
  ui.dpi.replaceChildren(...resolutions.map((dpi) => new Option(`${dpi} dpi`, String(dpi))));
}

function readSettings() {
  const { papers, resolutions, defaultDpi } = core.paperChoices();
  ui.dpi.value = String(defaultDpi);
  try {
    const saved = JSON.parse(localStorage.getItem(SETTINGS_KEY) ?? '{}');
    if (papers.some((p) => p.name === saved.paper)) ui.paper.value = saved.paper;
    if (saved.orientation === 'landscape' || saved.orientation === 'portrait')
      ui.orientation.value = saved.orientation;
    if (resolutions.includes(saved.dpi)) ui.dpi.value = String(saved.dpi);
  } catch {
    // Storage switched off, or unreadable: the defaults.
  }
}

function saveSettings() {
  try {
    localStorage.setItem(SETTINGS_KEY, JSON.stringify({
      paper: ui.paper.value, orientation: ui.orientation.value, dpi: Number(ui.dpi.value),
    }));
  } catch {
    // Storage switched off: the choice holds for this visit only.
  }
}

// The core's class set: a page for each name, in order.
function currentPages(names) {
  const dpi = Number(ui.dpi.value);
  const layout = core.pageLayout(ui.paper.value, ui.orientation.value === 'landscape', dpi);
  const kind = ui.kind.selectedIndex;
  const pages = parsePaintPages(core.pagesPaint(kind, ui.size.selectedIndex, Number(ui.velocity.value),
    names, layout.width, layout.height, dpi));
  return pages.map((ops) => ({ ops, layout, dpi, kind }));
}

function currentPage(name = ui.who.value) {
  return currentPages([name])[0];
}

// As on the desktop: a spacetime sample is redrawn before its page, a grid
// sample after it. A name the page's faces cannot letter is not printed.
async function printCommand() {
  const sampleFirst = chosenKind()?.hasVelocity;
  if (sampleFirst) drawSample();
  const page = currentPage();
  if (!sampleFirst) drawSample();
  const fault = await unprintableName([page], [ui.who.value]);
  ui.status.textContent = fault ?? '';
  if (!fault) await printPages([page]);
}

// Saves one page per name as one PDF file, without a dialog.
async function savePdf(names, fileName, button, status, line) {
  button.disabled = true;
  status.textContent = 'Making the PDF…';
  try {
    const pages = currentPages(names);
    const fault = await unprintableName(pages, names, line);
    if (fault) {
      status.textContent = fault;
      return;
    }
    const { pagesPdf } = await import('./page-pdf.js');
    const pdf = await pagesPdf(pages.map((p) => p.ops), pages[0].layout, pages[0].dpi, fontFile);
    const link = document.createElement('a');
    link.download = fileName;
    link.href = URL.createObjectURL(pdf);
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    status.textContent = `Saved ${link.download}.`;
  } catch (error) {
    status.textContent = `The PDF could not be made: ${error.message}`;
  } finally {
    button.disabled = false;
  }
}

// The kind as the kind box shows it, for file names.
function kindName() {
  return ui.kind.options[ui.kind.selectedIndex].text;
}

function downloadPdf() {
  return savePdf([ui.who.value], safeFileName(kindName(), ui.who.value), ui.download,
    ui.status);
}

// ------------------------------------------------------------------ class set

const classSet = {
  dialog: $('class-set'), names: $('names'), file: $('names-file'), skipHeader: $('skip-header'),
  count: $('page-count'), print: $('class-print'), download: $('class-download'), close: $('class-close'),
  open: $('class-set-open'),
};
// The file last read without fault, for the header box to read again.
let loadedFile = null;

// The names in the box, one per line, read by the core as the desktop reads
// its box: { names } or { error }.
function typedList() {
  return core.readNames(new TextEncoder().encode(classSet.names.value), '', false);
}

function classNames() {
  return typedList().names ?? [];
}

function showPageCount() {
  const list = typedList();
  const n = list.names?.length ?? 0;
  if (list.error) classSet.count.textContent = classSet.names.value.trim() === '' ? 'No names yet.' : list.error;
  else classSet.count.textContent = n === 1 ? '1 page will print.' : `${n} pages will print.`;
  classSet.print.disabled = n === 0;
  classSet.download.disabled = n === 0;
}

// A name from a CSV field may hold line breaks; the box holds one per line.
function oneLine(name) {
  return name.replace(/\r\n|\r|\n/g, ' ');
}

// Fills the box from a file, or says what is wrong with it and leaves the
// box as it was.
function showFileNames(file) {
  const list = core.readNames(file.bytes, file.name, classSet.skipHeader.checked);
  if (list.error) {
    showPageCount();
    classSet.count.textContent = list.error;
    return;
  }
  loadedFile = file;
  classSet.names.value = list.names.map(oneLine).join('\n');
  showPageCount();
}

// The file's bytes as they are, so that the core can tell text that is not
// UTF-8; a file too large for a list is read just far enough to be refused.
async function loadNamesFile() {
  const file = classSet.file.files[0];
  if (!file) return;
  const bytes = new Uint8Array(await file.slice(0, core.maxNameListBytes() + 1).arrayBuffer());
  showFileNames({ bytes, name: file.name });
}

const onLine = (i) => `line ${i + 1}`;

// One print job, one page per name, in order; the Who box is left alone.
async function printClassSet() {
  const names = classNames();
  if (names.length === 0) return;
  const pages = currentPages(names);
  const fault = await unprintableName(pages, names, onLine);
  if (fault) classSet.count.textContent = fault;
  else await printPages(pages, { classSet: true });
}

function downloadClassSet() {
  const names = classNames();
  if (names.length === 0) return undefined;
  return savePdf(names, `${kindName()} - class set.pdf`, classSet.download, classSet.count, onLine);
}

function wireClassSet() {
  classSet.open.addEventListener('click', () => { showPageCount(); classSet.dialog.showModal(); });
  classSet.close.addEventListener('click', () => classSet.dialog.close());
  classSet.names.addEventListener('input', showPageCount);
  classSet.file.addEventListener('change', loadNamesFile);
  classSet.skipHeader.addEventListener('change', () => { if (loadedFile) showFileNames(loadedFile); });
  classSet.print.addEventListener('click', printClassSet);
  classSet.download.addEventListener('click', downloadClassSet);
}

// ------------------------------------------------------------------ start

function noWebAssembly() {
  document.querySelector('main').hidden = true;
  $('no-wasm').hidden = false;
}

async function start() {
  try {
    core = await loadCore();
  } catch {
    noWebAssembly();
    return;
  }
  fillPageBoxes();
  readSettings();
  scaleSample();
  fillKindBox();
  fillSizeBox();
  showVelocity();
  drawSample();
  performance.mark('gridora-first-sample');
  ui.size.focus();

  ui.kind.addEventListener('change', kindChanged);
  ui.size.addEventListener('change', drawSample);
  ui.velocity.addEventListener('input', velocityChanged);
  ui.velocity.addEventListener('keydown', velocityKey);
  ui.velocity.addEventListener('wheel', velocityWheel, { passive: false });
  ui.print.addEventListener('click', printCommand);
  ui.download.addEventListener('click', downloadPdf);
  wireClassSet();
  wirePrintPage(() => currentPage());
  for (const box of [ui.paper, ui.orientation, ui.dpi]) box.addEventListener('change', saveSettings);
  addEventListener('resize', scaleSample);
  document.documentElement.dataset.ready = 'true';

  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

start();

// The page's one script is a bundle: the tests and the benchmark reach the
// core through it.
export { loadCore };
