// Gridora's window in the browser: the controls with the window's behaviour,
// the sample from the core, and the page for the browser's print dialog and
// for a PDF file. Every sheet, ruling and pixel comes from the core.

import { loadCore, SAMPLE_HEIGHT, SAMPLE_WIDTH } from './core.js';
import { parsePaintPages } from './paint-list.js';
import { fontFile, printPages, unprintableName, wirePrintPage } from './print-page.js';
import { safeFileName } from './file-name.js';
import { PAGE_BOXES, regionPaper, rememberChoice, showChoice } from './page-settings.js';
import { landscapeNote, printAdvice, scaleWarning } from './paper-notes.js';
import { scaleSample } from './sample-scale.js';
import { keepUpToDate } from './update-notice.js';
import { wireClassSet } from './class-set.js';
import { saveFile } from './save-file.js';
import { decimal, decimalSeparator, kindText, startLanguage, tr } from './i18n.js';

const MAX_POSITION = 90;
const LARGE_STEP = 10;

const $ = (id) => document.getElementById(id);
const ui = {
  kind: $('kind'), size: $('size'), velocity: $('velocity'), velocityLabel: $('velocity-label'),
  who: $('who'), print: $('print'), sample: $('sample'), graphGroup: $('graph-group'),
  spacetimeGroup: $('spacetime-group'), paper: $('paper'), orientation: $('orientation'),
  dpi: $('dpi'), download: $('download'), status: $('status'),
  window: $('window'), printAdvice: $('print-advice'), scaleWarning: $('scale-warning'),
  landscapeNote: $('landscape-note'),
};
// The page's release, stamped when the site is built (see build-site.mjs).
const RELEASE = GRIDORA_RELEASE;

let core = null;

// ------------------------------------------------------------------ sample

function drawSample() {
  const pixels = core.sample(ui.kind.selectedIndex, ui.size.selectedIndex, Number(ui.velocity.value));
  ui.sample.getContext('2d').putImageData(new ImageData(pixels, SAMPLE_WIDTH, SAMPLE_HEIGHT), 0, 0);
}

// ------------------------------------------------------------------ controls

// The kind chosen, as the core's table of kinds describes it.
function chosenKind() {
  return core.kinds()[ui.kind.selectedIndex];
}

function fillKindBox() {
  const names = core.kinds().map((kind) => kindText(kind.name));
  // Each entry's value is the kind's id, the name gridora-sheet knows it by.
  ui.kind.replaceChildren(...core.kinds().map((kind, i) => new Option(names[i], kind.id)));
  widenToFit(ui.kind, names, 16, 162);
  widenToFit(ui.size, core.kinds().flatMap((kind) => kind.sizeLabels.map(kindText)), 200, 362);
}

// The "Who" label ends short of the name box: a longer word ("Nombre") moves
// it to the left, as on the desktop, and where the group's edge stops it (a
// tablet's larger text) the name box gives up the rest.
function fitWhoLabel() {
  const label = document.querySelector('.who-label');
  const { offsetLeft: whoLeft, offsetWidth: whoWidth } = ui.who;
  if (label.offsetLeft + label.offsetWidth + 4 <= whoLeft) return;
  const left = Math.max(10, whoLeft - 4 - label.offsetWidth);
  label.style.setProperty('--box-left', `${left}px`);
  const start = left + label.offsetWidth + 4;
  if (start <= whoLeft) return;
  ui.who.style.setProperty('--who-left', `${start}px`);
  ui.who.style.setProperty('--who-width', `${whoLeft + whoWidth - start}px`);
}

function fillSizeBox() {
  ui.size.replaceChildren(...chosenKind().sizeLabels.map((label) => new Option(kindText(label))));
  ui.size.selectedIndex = 0;
}

// As on the desktop, the boxes were sized for English words: in a language
// that needs more room a box widens into the free room beside it, first to
// the right as far as `right`, then to the left as far as `left`. The size
// box is sized once for the longest label of every kind.
function widenToFit(box, texts, left, right) {
  const style = box.style;
  style.removeProperty('--box-left');
  style.removeProperty('--box-width');
  const { offsetLeft: at, offsetWidth: width } = box;
  const probe = document.createElement('select');
  probe.style.cssText = 'position: absolute; visibility: hidden; width: max-content';
  for (const text of texts) probe.add(new Option(text));
  box.after(probe);
  const needed = probe.offsetWidth;
  probe.remove();
  if (needed <= width) return;
  const end = Math.min(at + needed, right);
  const start = Math.max(left, end - needed);
  style.setProperty('--box-left', `${start}px`);
  style.setProperty('--box-width', `${end - start}px`);
}

function showVelocity() {
  const p = Number(ui.velocity.value);
  const text = `${decimal(p / 100, 2)} c`; // "0,61 c" where the language writes a comma
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

// The bar is a slider, and takes a slider's keys: Right, Up and PageUp raise
// the velocity, Left, Down and PageDown lower it, Home and End go to the ends.
const VELOCITY_KEYS = {
  ArrowRight: 1, ArrowUp: 1, PageUp: LARGE_STEP,
  ArrowLeft: -1, ArrowDown: -1, PageDown: -LARGE_STEP,
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

// What the Paper panel says of the print dialog, for the paper, the
// orientation and the kind chosen.
function showPaperNotes() {
  const landscape = ui.orientation.value === 'landscape';
  const paperLabel = (box) => box.options[box.selectedIndex].text;
  const sheet = { label: paperLabel(ui.paper), inches: core.pageLayout(ui.paper.value, landscape, 300).inches };
  const usualPaper = regionPaper();
  const usualLabel = [...ui.paper.options].find((o) => o.value === usualPaper).text;
  const usual = { label: usualLabel, inches: core.pageLayout(usualPaper, landscape, 300).inches };
  ui.printAdvice.textContent = printAdvice(sheet.label, landscape);
  for (const [note, text] of [[ui.scaleWarning, scaleWarning(sheet, usual)],
    [ui.landscapeNote, landscapeNote(chosenKind(), landscape)]]) {
    note.textContent = text;
    note.hidden = text === '';
  }
}

// The core's class set: a page for each name, in order.
function currentPages(names) {
  const dpi = Number(ui.dpi.value);
  const layout = core.pageLayout(ui.paper.value, ui.orientation.value === 'landscape', dpi);
  const kind = ui.kind.selectedIndex;
  const pages = parsePaintPages(core.pagesPaint(kind, ui.size.selectedIndex, Number(ui.velocity.value),
    names, layout.width, layout.height, dpi, decimalSeparator()));
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

// Saves the window's page as a PDF file, without a dialog.
async function savePdf(names, fileName, button, status) {
  button.disabled = true;
  status.textContent = tr('Making the PDF…');
  try {
    const pages = currentPages(names);
    const fault = await unprintableName(pages, names);
    if (fault) {
      status.textContent = fault;
      return;
    }
    const { pagesPdf } = await import('./page-pdf.js');
    const pdf = await pagesPdf(pages.map((p) => p.ops), pages[0].layout, pages[0].dpi, fontFile);
    saveFile(pdf, fileName);
    status.textContent = tr('Saved %1.', fileName);
  } catch (error) {
    status.textContent = tr('The PDF could not be made: %1', error.message);
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

// One print job, one page per name, in order; the Who box is left alone.
// Returns what to tell the user when a name cannot be printed, or null.
async function printClassSet(names, line) {
  const pages = currentPages(names);
  const fault = await unprintableName(pages, names, line);
  if (!fault) await printPages(pages, { classSet: true });
  return fault;
}

// The page every name of a class set is laid out on, for its worker.
function classSetPage() {
  const dpi = Number(ui.dpi.value);
  return {
    kind: ui.kind.selectedIndex, size: ui.size.selectedIndex, position: Number(ui.velocity.value),
    layout: core.pageLayout(ui.paper.value, ui.orientation.value === 'landscape', dpi), dpi,
    separator: decimalSeparator(),
  };
}

// ------------------------------------------------------------------ start

function noWebAssembly() {
  document.querySelector('main').hidden = true;
  $('no-wasm').hidden = false;
}

function coreFailed(reason) {
  document.querySelector('main').hidden = true;
  $('core-failed-reason').textContent = tr('Gridora\'s drawing core could not be loaded from the server: %1', reason);
  $('core-failed').hidden = false;
}

// The controls answer only once the core can draw; until then the page says
// "Loading…" and the Paper panel already shows the remembered choices.
const CONTROLS = ['kind', 'size', 'velocity', 'who', 'print', ...PAGE_BOXES, 'download', 'class-set-open'];

async function start() {
  document.documentElement.dataset.release = RELEASE;
  const language = startLanguage($('language'));
  try {
    core = await loadCore();
  } catch (error) {
    await language;
    if (error.name === 'NoWebAssembly') noWebAssembly();
    else if (error.name === 'CoreLoadError') coreFailed(error.message);
    else coreFailed(`${error.message}.`);
    return;
  }
  await language;
  fitWhoLabel();
  for (const id of PAGE_BOXES) showChoice($(id));
  for (const id of CONTROLS) $(id).disabled = false;
  scaleSample(ui.window);
  fillKindBox();
  fillSizeBox();
  showVelocity();
  showPaperNotes();
  drawSample();
  performance.mark('gridora-first-sample');
  ui.size.focus();

  ui.kind.addEventListener('change', () => { kindChanged(); showPaperNotes(); });
  ui.size.addEventListener('change', drawSample);
  ui.velocity.addEventListener('input', velocityChanged);
  ui.velocity.addEventListener('keydown', velocityKey);
  ui.velocity.addEventListener('wheel', velocityWheel, { passive: false });
  ui.print.addEventListener('click', printCommand);
  ui.download.addEventListener('click', downloadPdf);
  wireClassSet(core, {
    printNames: printClassSet, pageOfNames: classSetPage, pdfName: () => tr('%1 - class set.pdf', kindName()),
  });
  wirePrintPage(() => currentPage());
  for (const box of [ui.paper, ui.orientation, ui.dpi]) {
    box.addEventListener('change', () => { rememberChoice(box); showPaperNotes(); });
  }
  addEventListener('resize', () => scaleSample(ui.window));
  document.documentElement.dataset.ready = 'true';

  keepUpToDate($('update'), $('update-reload'));
}

start();

// The page's one script is a bundle: the tests and the benchmark reach the
// core through it.
export { loadCore, regionPaper };
