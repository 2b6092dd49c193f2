// The page the browser prints: filled with what the controls show whenever
// the browser prints, by the Print button, Ctrl+P or its own menu, unless a
// class set asked for its pages; and the check that every letter of a name
// is in the page's faces before it prints.

import { tr } from './i18n.js';
import { DOT_FONT_FILE } from './page-dots.js';
import { loadPageFonts, unprintableIn } from './page-fonts.js';
import { loadPageFaces, pageSvg, sheetSvgText } from './page-svg.js';

// The page's font files, each fetched the first time a page needs it.
const fontFiles = new Map();

export function fontFile(file) {
  if (!fontFiles.has(file)) {
    const bytes = fetch(file).then((response) => {
      if (!response.ok) throw new Error(`${file} could not be fetched`);
      return response.arrayBuffer();
    }).then((buffer) => new Uint8Array(buffer));
    bytes.catch(() => fontFiles.delete(file));
    fontFiles.set(file, bytes);
  }
  return fontFiles.get(file);
}

// The faces the last page needed, for a print that cannot wait for them.
let knownFonts = null;

/** The page's faces for these names (PageFonts), fetched as they are needed. */
export async function fontsFor(names) {
  knownFonts = await loadPageFonts(names, fontFile);
  return knownFonts;
}

// The lines of text a page paints, as it paints them (controls escaped).
const pageTexts = (page) => page.ops.filter((op) => op.op === 'text').map((op) => op.text);

/**
 * What to tell the user when a page's name has letters none of the page's
 * faces has; null when every page can print (see unprintableIn).
 * `pages[i]` is the page of `names[i]`.
 */
export async function unprintableName(pages, names, line = () => '') {
  const fonts = await fontsFor(pages.flatMap(pageTexts));
  return unprintableSentence(unprintableIn(fonts, pages.map(pageTexts)), names, line);
}

/**
 * What to tell the user of unprintableIn's `fault` (or null): `line(i)` says
 * where name i came from, or nothing for the Who box.
 */
export function unprintableSentence(fault, names, line = () => '') {
  if (!fault) return null;
  const { index, letters } = fault;
  return line(index)
    ? tr('The name on %1, "%2", has letters Gridora cannot print (%3): they would come out as empty boxes. '
      + 'Write the name another way.', line(index), names[index], letters)
    : tr('The name "%1" has letters Gridora cannot print (%2): they would come out as empty boxes. '
      + 'Write the name another way.', names[index], letters);
}

const printPage = document.getElementById('print-page');
let classSetPages = null; // the pages a class set's Print asked for, until printed

// `sheetUrls[i]`, where given, is a picture of page i's sheet.
function fill(pages, fonts, sheetUrls = []) {
  const sheets = pages.map(({ ops, layout, dpi }, i) => {
    printPage.className = layout.pageName;
    const sheet = document.createElement('div');
    sheet.className = 'sheet';
    sheet.append(pageSvg(ops, layout, dpi, fonts, sheetUrls[i]));
    return sheet;
  });
  printPage.replaceChildren(...sheets);
}

let dotFontUrl = null;

async function dotFontDataUrl() {
  if (!dotFontUrl) {
    const bytes = await fontFile(DOT_FONT_FILE);
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    dotFontUrl = `data:font/ttf;base64,${btoa(text)}`;
  }
  return dotFontUrl;
}

let pictures = []; // the object URLs of the last print's sheets

/**
 * A picture of each page's sheet, one for every page with the same sheet
 * (a class set's pages differ only in their text), loaded and ready to
 * print.
 */
async function sheetPictures(pages) {
  const fontUrl = await dotFontDataUrl();
  for (const url of pictures) URL.revokeObjectURL(url);
  const byText = new Map();
  const urls = pages.map(({ ops, layout, dpi }) => {
    const text = sheetSvgText(ops, layout, dpi, fontUrl);
    if (!byText.has(text)) byText.set(text, URL.createObjectURL(new Blob([text], { type: 'image/svg+xml' })));
    return byText.get(text);
  });
  pictures = [...byText.values()];
  await Promise.all(pictures.map((url) => {
    const image = new Image();
    image.src = url;
    return image.decode();
  }));
  return urls;
}

/**
 * Prints `pages` ({ ops, layout, dpi } each) as one job once their faces
 * are loaded. `classSet` keeps them for this print only, their sheet drawn
 * once as a picture that every page shows; otherwise the page is the
 * window's, which every print fills afresh anyway.
 */
export async function printPages(pages, { classSet = false } = {}) {
  const fonts = await fontsFor(pages.flatMap(pageTexts));
  await loadPageFaces();
  fill(pages, fonts, classSet ? await sheetPictures(pages) : []);
  classSetPages = classSet ? pages : null;
  window.print();
}

/**
 * Fills the print page with `windowPage()` whenever the browser prints,
 * however it was asked to, so that it never prints a page the controls no
 * longer show; a class set's pages only for the print its dialog asked for.
 * The browser prints as soon as this returns: the sheet is drawn in the page
 * itself, not as a picture that would still be loading.
 */
export function wirePrintPage(windowPage) {
  addEventListener('beforeprint', () => {
    if (!classSetPages) fill([windowPage()], knownFonts);
  });
  addEventListener('afterprint', () => { classSetPages = null; });
  // The faces are fetched ahead, so a print from the browser's own menu
  // finds them loaded.
  fontsFor([]).then(loadPageFaces).catch(() => {});
}
