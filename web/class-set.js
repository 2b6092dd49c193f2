// The "Class set…" dialog: the pupils' names typed, pasted or read from a
// text or CSV file, one page each, printed as one job or saved as one PDF.
// The PDF is made by a worker (class-set-worker.js), so that a whole school's
// names never freeze the page: the dialog shows how far it has got and can
// cancel it.

import { coreCompile } from './core-compile.js';
import { sayMessage, tr } from './i18n.js';
import { unprintableSentence } from './print-page.js';
import { saveFile } from './save-file.js';

const $ = (id) => document.getElementById(id);
// Where a name of the set came from, in what the dialog says of it.
const onLine = (i) => tr('line %1', i + 1);
const box = {
  dialog: $('class-set'), names: $('names'), file: $('names-file'), skipHeader: $('skip-header'),
  count: $('page-count'), progress: $('class-progress'), print: $('class-print'),
  download: $('class-download'), cancel: $('class-cancel'), close: $('class-close'), open: $('class-set-open'),
};

// The worker comes from the page's own release, as the bundle does.
const WORKER = new URL(`class-set-worker.js${new URL(import.meta.url).search}`, import.meta.url);

let core = null;
// The file last read without fault, and the names it put in the box: the
// header box reads it again only while the box still holds just those.
let loaded = null;
// The PDF being made: { worker, stop(reason) }.
let job = null;
const CANCELLED = new Error('cancelled');
// A name the page's faces cannot letter: the worker says so, and no PDF is made.
class Unprintable extends Error {}

// The names in the box, one per line, read by the core as the desktop reads
// its box: { names } or { error }.
function typedList() {
  return core.readNames(new TextEncoder().encode(box.names.value), '', false);
}

function classNames() {
  return typedList().names ?? [];
}

function showPageCount() {
  const list = typedList();
  const n = list.names?.length ?? 0;
  if (list.error) box.count.textContent = box.names.value.trim() === '' ? tr('No names yet.') : sayMessage(list.message);
  else box.count.textContent = n === 1 ? tr('1 page will print.') : tr('%1 pages will print.', n);
  box.print.disabled = n === 0;
  box.download.disabled = n === 0 || job !== null;
}

// A name from a CSV field may hold line breaks; the box holds one per line.
function oneLine(name) {
  return name.replace(/\r\n|\r|\n/g, ' ');
}

// Fills the box from a file, or says what is wrong with it. A refused file
// also clears the names of an earlier one, which must not print as its own.
function showFileNames(file) {
  const list = core.readNames(file.bytes, file.name, box.skipHeader.checked);
  box.names.value = list.error ? '' : list.names.map(oneLine).join('\n');
  loaded = list.error ? null : { file, text: box.names.value };
  showPageCount();
  if (list.error) box.count.textContent = sayMessage(list.message);
}

// The file's bytes as they are, so that the core can tell text that is not
// UTF-8; a file too large for a list is read just far enough to be refused.
async function loadNamesFile() {
  const chosen = box.file.files[0];
  // Emptied, so that choosing the same file again (changed, say) reads it again.
  box.file.value = '';
  if (!chosen) return;
  let bytes;
  try {
    bytes = new Uint8Array(await chosen.slice(0, core.maxNameListBytes() + 1).arrayBuffer());
  } catch (error) {
    showFileNames({ bytes: new Uint8Array(), name: chosen.name });
    box.count.textContent = tr('%1 could not be read: %2', chosen.name, error.message);
    return;
  }
  showFileNames({ bytes, name: chosen.name });
}

function headerChanged() {
  if (loaded && box.names.value === loaded.text) showFileNames(loaded.file);
}

function showJob(running) {
  box.progress.hidden = !running;
  box.cancel.hidden = !running;
  box.download.disabled = running || classNames().length === 0;
}

// The PDF of one page per name, from the worker; rejects when cancelled.
function makePdf(names, page) {
  return new Promise((resolve, reject) => {
    const worker = new Worker(WORKER, { type: 'module' });
    job = { worker, stop: reject };
    // Laying the pages out, then writing them: each page counts twice.
    box.progress.max = 2 * names.length;
    box.progress.value = 0;
    showJob(true);
    worker.onmessage = ({ data }) => {
      if (data.ready) coreCompile().then((module) => worker.postMessage({ module, names, ...page }), reject);
      else if ('laidOut' in data) box.progress.value = data.laidOut;
      else if (data.writing) box.count.textContent = tr('Writing the PDF file…');
      else if ('written' in data) box.progress.value = names.length + data.written; else if (data.pdf) resolve(data.pdf);
      else if (data.unprintable) reject(new Unprintable(unprintableSentence(data.unprintable, names, onLine)));
      else reject(new Error(data.error));
    };
    worker.onerror = (event) => reject(new Error(event.message || 'the worker stopped'));
  }).finally(() => {
    job.worker.terminate();
    job = null;
    showJob(false);
  });
}

function cancelPdf() {
  job?.stop(CANCELLED);
}

export function wireClassSet(theCore, { printNames, pageOfNames, pdfName }) {
  core = theCore;
  box.open.addEventListener('click', () => { showPageCount(); box.dialog.showModal(); });
  box.close.addEventListener('click', () => box.dialog.close());
  box.names.addEventListener('input', showPageCount);
  box.file.addEventListener('change', loadNamesFile);
  box.skipHeader.addEventListener('change', headerChanged);
  box.cancel.addEventListener('click', cancelPdf);
  box.print.addEventListener('click', async () => {
    const names = classNames();
    if (names.length === 0) return;
    const fault = await printNames(names, onLine);
    if (fault) box.count.textContent = fault;
  });
  box.download.addEventListener('click', async () => {
    const names = classNames();
    if (names.length === 0 || job) return;
    const fileName = pdfName();
    box.count.textContent = names.length === 1 ? tr('Laying out 1 page…') : tr('Laying out %1 pages…', names.length);
    try {
      saveFile(await makePdf(names, pageOfNames()), fileName);
      box.count.textContent = tr('Saved %1.', fileName);
    } catch (error) {
      if (error === CANCELLED) box.count.textContent = tr('Cancelled: no PDF was saved.');
      else if (error instanceof Unprintable) box.count.textContent = error.message;
      else box.count.textContent = tr('The PDF could not be made: %1', error.message);
    }
  });
}
