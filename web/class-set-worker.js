// Makes a class set's PDF away from the page, so that the names of a whole
// school never freeze it: a page laid out by the core for each name, a check
// that the page's faces can letter every name, then the pages handed to the
// PDF writer. The page is told how far it has got, and ends the worker to
// cancel.
//
// In: { module (the core, compiled by the page), names, kind, size, position,
//       layout, dpi, separator (the velocity's decimal separator) }
// Out: { ready: true } once it can take the job (the PDF writer's text
//      setting waits for its WebAssembly before this module runs, and a
//      message sent before would be lost), { laidOut: n } as pages are laid out, { writing: true } when the file
//      is begun, { written: n } as its pages are written, then { pdf: Blob }, { unprintable: { index, letters } } (see
//      page-fonts.js, unprintableIn) or { error: message }.

import { coreFromModule } from './core.js';
import { parsePaintPages } from './paint-list.js';
import { loadPageFonts, unprintableIn } from './page-fonts.js';
import { pagesPdf } from './page-pdf.js';

const PROGRESS_EVERY = 20; // pages laid out at a time

const fontFiles = new Map();
function fontBytes(file) {
  if (!fontFiles.has(file)) {
    fontFiles.set(file, fetch(file).then((response) => {
      if (!response.ok) throw new Error(`${file} could not be fetched`);
      return response.arrayBuffer();
    }).then((buffer) => new Uint8Array(buffer)));
  }
  return fontFiles.get(file);
}

self.onmessage = async ({ data: job }) => {
  try {
    const core = await coreFromModule(job.module);
    const { width, height } = job.layout;
    const pages = [];
    for (let from = 0; from < job.names.length; from += PROGRESS_EVERY) {
      // Each batch starts with the page before it, laid out again and left
      // out: a page begins with the pen, brush and font its predecessor left,
      // as in one print job, so page 21 is the desktop's page 21.
      const again = from > 0 ? 1 : 0;
      const names = job.names.slice(from - again, from + PROGRESS_EVERY);
      pages.push(...parsePaintPages(core.pagesPaint(job.kind, job.size, job.position, names, width, height, job.dpi,
        job.separator)).slice(again));
      self.postMessage({ laidOut: pages.length });
    }
    const texts = pages.map((ops) => ops.filter((op) => op.op === 'text').map((op) => op.text));
    const unprintable = unprintableIn(await loadPageFonts(texts.flat(), fontBytes), texts);
    if (unprintable) {
      self.postMessage({ unprintable });
      return;
    }
    self.postMessage({ writing: true });
    const written = (n) => {
      if (n % PROGRESS_EVERY === 0) self.postMessage({ written: n });
    };
    self.postMessage({ pdf: await pagesPdf(pages, job.layout, job.dpi, fontBytes, written) });
  } catch (error) {
    self.postMessage({ error: error.message });
  }
};
self.postMessage({ ready: true });
