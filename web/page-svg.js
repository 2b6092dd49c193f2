// The printed page as SVG, for the browser's print dialog: the whole sheet of
// paper at its real size, and on it, a margin in from its edges, the core's
// page in device pixels of the chosen resolution. The sheet itself (all that
// is drawn before the first line of text) can be a picture of its own, one
// SVG document that every page of a class set shows: the browser then lays
// its thousands of runs of dots out once, not once a page.

import { DOT_FACE, DOT_FONT_PIXELS, DOT_ORIGIN, dotRuns } from './page-dots.js';
import { firstTextIndex } from './paint-list.js';

const SVG = 'http://www.w3.org/2000/svg';
// The printed page's faces, shipped with the site (style.css): Liberation
// Sans, as on the desktop, and DejaVu Sans for the characters it lacks.
const PAGE_FACES = ['"Gridora Liberation Sans"', '"Gridora DejaVu Sans"'];
const PAGE_FONT = `${PAGE_FACES.join(', ')}, sans-serif`;

/**
 * Fetches the page's faces and the dot face (the first time a page needs
 * them), so that the print dialog never sees a page before its letters.
 */
export async function loadPageFaces() {
  await Promise.all([...PAGE_FACES, `"${DOT_FACE}"`].map((face) => document.fonts.load(`12px ${face}`).catch(() => {})));
}

function element(name, attributes) {
  const e = document.createElementNS(SVG, name);
  for (const [key, value] of Object.entries(attributes)) e.setAttribute(key, String(value));
  return e;
}

// The sheet in whole CSS pixels, so that a device pixel is exactly 96 / dpi
// of them: the browser lays a fractional size out rounded, which would scale
// the page by a hair and move its far side by a tenth of a pixel. The paper
// keeps its size (the @page rules); the picture is less than a CSS pixel
// smaller than it.
function frame(layout, dpi) {
  const css = { width: Math.floor(layout.inches.width * 96), height: Math.floor(layout.inches.height * 96) };
  return { css, view: { width: (css.width * dpi) / 96, height: (css.height * dpi) / 96 } };
}

// The printable area, clipped a sixteenth of a pixel inside, as on the PDF
// page: a renderer that counts the pixels on a clip's edge as inside would
// ink one past it.
function printableRect(layout) {
  const inside = 1 / 16;
  return `<rect x="${inside}" y="${inside}" width="${layout.width - 2 * inside}" height="${layout.height - 2 * inside}"/>`;
}

// Solid lines have square caps; a dotted line wider than a pixel is one pen
// width on, two off, flat, its gaps in the brush colour, starting where the
// core says.
function lineMarkup(op) {
  const ends = `x1="${op.x1}" y1="${op.y1}" x2="${op.x2}" y2="${op.y2}" stroke-width="${op.width}"`;
  if (!op.dotted) return `<line ${ends} stroke="${op.colour}" stroke-linecap="square"/>`;
  return `<line ${ends} stroke="${op.brush}" stroke-linecap="butt"/><line ${ends} stroke="${op.colour}" `
    + `stroke-linecap="butt" stroke-dasharray="${op.width} ${2 * op.width}" stroke-dashoffset="${op.phase * op.width}"/>`;
}

// A one-pixel dotted line as runs of the dot face (page-dots.js), set at
// its exact size and advance (geometricPrecision: no hinting, no rounding
// of the size); a steep one along y, its axes swapped. Hidden from
// assistive technology: the dots say nothing, and a print's structure tree
// would otherwise list every run.
function dotsMarkup(op) {
  const runs = dotRuns(op).map((r) => `<text x="${r.along + DOT_ORIGIN}" y="${r.across + DOT_ORIGIN}" fill="${r.colour}"`
    + `${r.steep ? ' transform="matrix(0 1 1 0 0 0)"' : ''}>${r.text}</text>`);
  return `<g font-family="'${DOT_FACE}'" font-size="${DOT_FONT_PIXELS}" text-rendering="geometricPrecision" `
    + `aria-hidden="true">${runs.join('')}</g>`;
}

// The markup of operations other than text: numbers and the core's colours
// only, never a name.
function markup(ops) {
  return ops.map((op) => {
    if (op.op === 'fill') return `<rect x="${op.x}" y="${op.y}" width="${op.w}" height="${op.h}" fill="${op.colour}"/>`;
    return op.op === 'line' ? lineMarkup(op) : dotsMarkup(op);
  }).join('');
}

/**
 * The sheet of `ops` (all before the first text) as an SVG document of its
 * own, the size of the page's own SVG, for an <image>: such a picture loads
 * no other file, so the dot face comes in it, as `dotFontUrl` (a data: URL).
 */
export function sheetSvgText(ops, layout, dpi, dotFontUrl) {
  const { css, view } = frame(layout, dpi);
  return `<svg xmlns="${SVG}" width="${css.width}" height="${css.height}" viewBox="0 0 ${view.width} ${view.height}" `
    + `shape-rendering="crispEdges"><style>@font-face{font-family:"${DOT_FACE}";src:url(${dotFontUrl})}</style>`
    + `<clipPath id="printable">${printableRect(layout)}</clipPath>`
    + `<g transform="translate(${layout.margin} ${layout.margin})" clip-path="url(#printable)">`
    + `${markup(ops.slice(0, firstTextIndex(ops)))}</g></svg>`;
}

/**
 * An <svg> of `layout` (see pageLayout in core.js) showing `ops`. Text goes
 * in as text content only: a name is never markup. `fonts` (PageFonts, or
 * null before they are loaded) puts each line's baseline where the desktop's
 * painter puts it. With `sheetUrl` (a picture of sheetSvgText for these
 * operations) the sheet is that picture, and only the text and what follows
 * it is drawn here.
 */
export function pageSvg(ops, layout, dpi, fonts, sheetUrl = null) {
  const { css, view } = frame(layout, dpi);
  const svg = element('svg', {
    width: `${css.width}px`, height: `${css.height}px`, viewBox: `0 0 ${view.width} ${view.height}`,
    'shape-rendering': 'crispEdges',
  });
  if (sheetUrl) svg.append(element('image', { x: 0, y: 0, width: view.width, height: view.height, href: sheetUrl }));
  const clip = element('clipPath', { id: 'printable' });
  clip.innerHTML = printableRect(layout);
  svg.append(clip);
  const area = element('g', {
    transform: `translate(${layout.margin} ${layout.margin})`, 'clip-path': 'url(#printable)',
  });
  svg.append(area);
  const cut = firstTextIndex(ops);
  if (!sheetUrl) area.innerHTML = markup(ops.slice(0, cut));
  for (const op of ops.slice(cut)) {
    if (op.op === 'text') appendText(area, op, fonts);
    else area.insertAdjacentHTML('beforeend', markup([op]));
  }
  return svg;
}

// The browser sets the line (reading order, shaping) in the page's faces.
function appendText(parent, op, fonts) {
  const baseline = fonts ? { y: op.y + fonts.baseline(op.pixels) } : { y: op.y, 'dominant-baseline': 'text-before-edge' };
  const text = element('text', {
    x: op.x, ...baseline, 'font-size': op.pixels,
    'font-family': PAGE_FONT, fill: '#000000', direction: 'ltr', 'unicode-bidi': 'isolate',
  });
  text.setAttributeNS('http://www.w3.org/XML/1998/namespace', 'xml:space', 'preserve');
  text.textContent = op.text;
  parent.append(text);
}
