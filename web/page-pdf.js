// The printed page as a PDF file (one page, or a class set's page for each
// name): the same painting operations as the printed SVG, in device pixels of
// the chosen resolution, a margin in from the paper's edges. The text is set
// as the desktop's painter sets it (page-text.js: reading order, shaping) in
// the page's faces (page-fonts.js), each embedded cut down to the glyphs the
// pages use, with the text each glyph stands for, so that a reader copies and
// searches the name as typed.
//
// The PDF is written here rather than by a library: the well-kept ones need a
// font layout engine several times the size of the whole site to embed a font.
// No DOM here: a worker can make the PDF too.

import { DOT_FONT_FILE, DOT_FONT_PIXELS, DOT_ORIGIN, dotRuns } from './page-dots.js';
import { loadPageFonts } from './page-fonts.js';
import { setLine } from './page-text.js';
import { subsetFont } from './page-subset.js';
import { firstTextIndex } from './paint-list.js';
import { TrueType } from './truetype.js';

export { PAGE_FONT_FILES } from './page-fonts.js';

const encoder = new TextEncoder();

// Numbers as the desktop's PDF writes them: nine digits in all, the
// fraction cut off (not rounded) after as many as the whole part leaves. A
// line's end written otherwise moves by a hair, enough now and then to put
// an edge of the line on the next dot.
function num(x) {
  if (Number.isInteger(x)) return String(x);
  const size = Math.abs(x);
  const whole = Math.trunc(size);
  const places = Math.max(0, 9 - (whole === 0 ? 0 : String(whole).length));
  const fraction = Math.min(Math.floor((size - whole) * 10 ** places), 10 ** places - 1);
  const digits = fraction === 0 ? String(whole) : `${whole}.${String(fraction).padStart(places, '0').replace(/0+$/, '')}`;
  return digits === '0' ? '0' : `${x < 0 ? '-' : ''}${digits}`;
}

function rgb(colour) {
  const v = parseInt(colour.slice(1), 16);
  return [(v >> 16) & 255, (v >> 8) & 255, v & 255].map((c) => num(c / 255)).join(' ');
}

function hex4(n) {
  return n.toString(16).padStart(4, '0');
}

/** Compresses with zlib (the PDF FlateDecode filter) where the browser can. */
async function deflate(bytes) {
  if (typeof CompressionStream !== 'function') return null;
  const stream = new Blob([bytes]).stream().pipeThrough(new CompressionStream('deflate'));
  return new Uint8Array(await new Response(stream).arrayBuffer());
}

// One embedded face: the glyphs the pages use and what each stands for.
class PageFont {
  constructor(face, index) {
    this.face = face;
    this.font = face.font;
    this.resource = `F${index + 1}`; // the page resources' name
    this.tag = `GRIDO${String.fromCharCode(65 + index)}`; // a subset's six-letter tag
    this.used = new Map(); // gid → the text it stands for
  }

  use(gid, text) {
    if (!this.used.has(gid) || (this.used.get(gid) === '' && text)) this.used.set(gid, text);
  }

  /** The glyph of character code `c`, marked used; it stands for no text. */
  glyphOf(c) {
    this.dots = true;
    this.glyphs ??= new Map();
    let gid = this.glyphs.get(c);
    if (gid === undefined) {
      gid = this.font.glyph(c);
      this.glyphs.set(c, gid);
      this.use(gid, '');
    }
    return gid;
  }
}

function utf16Hex(text) {
  let hex = '';
  for (let k = 0; k < text.length; k++) hex += hex4(text.charCodeAt(k));
  return hex;
}

// A line of text: each glyph placed where the line's setting puts it, from
// the cell's top-left corner and the first face's baseline, as the desktop's
// painter places it; glyphs wholly off the page are left out.
function textOperations(op, layout, fonts, embedded) {
  const baseline = op.y + fonts.baseline(op.pixels);
  const glyphs = setLine(fonts, op.text, op.pixels)
    .filter((g) => op.x + g.x > -2 * op.pixels && op.x + g.x < layout.width + op.pixels);
  if (glyphs.length === 0) return '';
  // In reading order, as a reader of the file takes the text in the order it
  // is drawn; each glyph is placed where it is seen all the same.
  const logical = [...glyphs].sort((p, q) => p.cluster - q.cluster);
  const out = [];
  let current = null;
  for (const g of logical) {
    const font = embedded[g.face];
    font.use(g.gid, g.text);
    if (font !== current) out.push(`/${font.resource} 1 Tf`);
    current = font;
    out.push(`${op.pixels} 0 0 ${-op.pixels} ${num(op.x + g.x)} ${num(baseline + g.y)} Tm <${hex4(g.gid)}> Tj`);
  }
  return `BT 0 g ${out.join(' ')} ET`;
}

// A dotted line as runs of the dot face (page-dots.js), as the printed SVG
// draws it: each run from a quarter into its first pixel, a steep one with
// its axes swapped.
function dotOperations(op, dots) {
  const size = DOT_FONT_PIXELS;
  return dotRuns(op).map((r) => {
    let hex = '';
    for (let i = 0; i < r.text.length; i++) hex += hex4(dots.glyphOf(r.text.charCodeAt(i)));
    const [x, y] = r.steep ? [r.across, r.along] : [r.along, r.across];
    const matrix = r.steep ? `0 ${size} ${-size} 0` : `${size} 0 0 ${-size}`;
    return `BT ${rgb(r.colour)} rg /${dots.resource} 1 Tf ${matrix} ${num(x + DOT_ORIGIN)} ${num(y + DOT_ORIGIN)} Tm <${hex}> Tj ET`;
  }).join('\n');
}

// The page and the sheet's form are clipped a sixteenth of a pixel inside the
// printable area: a renderer that counts the pixels on a clip's edge as
// inside would ink one past it.
const INSIDE = 1 / 16;

// Device pixels, y downwards, origin at the printable area's corner, clipped
// to it.
function pageFrame(layout, dpi) {
  const scale = 72 / dpi;
  return [`${num(scale)} 0 0 ${num(-scale)} 0 ${num(layout.inches.height * 72)} cm`,
    `1 0 0 1 ${layout.margin} ${layout.margin} cm`,
    `${num(INSIDE)} ${num(INSIDE)} ${num(layout.width - 2 * INSIDE)} ${num(layout.height - 2 * INSIDE)} re W n`].join('\n');
}

function formBox(layout) {
  return `[${num(INSIDE)} ${num(INSIDE)} ${num(layout.width - INSIDE)} ${num(layout.height - INSIDE)}]`;
}

function contentStream(ops, layout, fonts, embedded, dots) {
  const out = [];
  for (const op of ops) {
    if (op.op === 'fill') {
      out.push(`${rgb(op.colour)} rg ${op.x} ${op.y} ${op.w} ${op.h} re f`);
    } else if (op.op === 'line') {
      const path = `${num(op.x1)} ${num(op.y1)} m ${num(op.x2)} ${num(op.y2)} l S`;
      if (op.dotted) {
        out.push(`${op.width} w 0 J [] 0 d ${rgb(op.brush)} RG ${path}`);
        out.push(`[${op.width} ${2 * op.width}] ${num(op.phase * op.width)} d ${rgb(op.colour)} RG ${path} [] 0 d`);
      } else {
        out.push(`${op.width} w 2 J ${rgb(op.colour)} RG ${path}`);
      }
    } else if (op.op === 'pixels') {
      out.push(dotOperations(op, dots));
    } else if (fonts) {
      out.push(textOperations(op, layout, fonts, embedded));
    }
  }
  return out.join('\n');
}

function widthsArray(pageFont) {
  const gids = [...pageFont.used.keys()].sort((a, b) => a - b);
  const scale = 1000 / pageFont.font.unitsPerEm;
  return gids.map((g) => `${g} [${Math.round(pageFont.font.advance(g) * scale)}]`).join(' ');
}

function toUnicodeCMap(pageFont) {
  // The dot face's glyphs stand for nothing: mapped to no text, a reader
  // leaves them out rather than guess a letter from the glyph's number.
  const entries = [...pageFont.used.entries()].filter(([, text]) => text !== '' || pageFont.dots).sort((p, q) => p[0] - q[0]);
  const chunks = [];
  for (let i = 0; i < entries.length; i += 100) {
    const part = entries.slice(i, i + 100);
    const lines = part.map(([gid, text]) => `<${hex4(gid)}> <${utf16Hex(text)}>`);
    chunks.push(`${part.length} beginbfchar\n${lines.join('\n')}\nendbfchar`);
  }
  return [
    '/CIDInit /ProcSet findresource begin 12 dict begin begincmap',
    '/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def',
    '/CMapName /Adobe-Identity-UCS def /CMapType 2 def',
    '1 begincodespacerange <0000> <FFFF> endcodespacerange',
    ...chunks,
    'endcmap CMapName currentdict /CMap defineresource pop end end',
  ].join('\n');
}

class PdfFile {
  constructor() {
    this.objects = [];
  }

  /** Reserves the next object number. */
  reserve() {
    this.objects.push(null);
    return this.objects.length;
  }

  set(number, body) {
    this.objects[number - 1] = body;
  }

  add(body) {
    const n = this.reserve();
    this.set(n, body);
    return n;
  }

  async stream(dictionary, bytes) {
    const packed = await deflate(bytes);
    const data = packed ?? bytes;
    const filter = packed ? ' /Filter /FlateDecode' : '';
    return this.add([encoder.encode(`<< ${dictionary}${filter} /Length ${data.length} >>\nstream\n`), data,
      encoder.encode('\nendstream')]);
  }

  bytes() {
    const parts = [encoder.encode('%PDF-1.7\n%\xe2\xe3\xcf\xd3\n')];
    let length = parts[0].length;
    const offsets = [];
    this.objects.forEach((body, i) => {
      offsets.push(length);
      const chunks = [encoder.encode(`${i + 1} 0 obj\n`),
        ...(typeof body === 'string' ? [encoder.encode(body)] : body), encoder.encode('\nendobj\n')];
      for (const c of chunks) length += c.length;
      parts.push(...chunks);
    });
    const xref = [`xref\n0 ${this.objects.length + 1}\n0000000000 65535 f \n`,
      ...offsets.map((o) => `${String(o).padStart(10, '0')} 00000 n \n`),
      `trailer\n<< /Size ${this.objects.length + 1} /Root 1 0 R >>\nstartxref\n${length}\n%%EOF\n`].join('');
    parts.push(encoder.encode(xref));
    return new Blob(parts, { type: 'application/pdf' });
  }
}

/**
 * A PDF Blob of one page of `layout` (see pageLayout in core.js) showing
 * `ops`, the text in the page's faces; `loadFont(file)` gives the bytes of
 * one of PAGE_FONT_FILES, and is asked only for the faces the text needs.
 */
export async function pagePdf(ops, layout, dpi, loadFont) {
  return pagesPdf([ops], layout, dpi, loadFont);
}

/**
 * A PDF Blob with one page of `layout` for each list of operations in
 * `pages`. Pages with the same sheet (all drawn before the first text: a
 * class set's pages differ only in their names) draw it from one form, kept
 * once in the file. `pageWritten(n)` is told as each page is written.
 */
export async function pagesPdf(pages, layout, dpi, loadFont, pageWritten = () => {}) {
  const texts = pages.flatMap((ops) => ops.filter((op) => op.op === 'text').map((op) => op.text));
  const fonts = texts.length > 0 ? await loadPageFonts(texts, loadFont) : null;
  const embedded = fonts?.faces.map((face, i) => new PageFont(face, i)) ?? [];
  let dots = null;
  if (pages.some((ops) => ops.some((op) => op.op === 'pixels'))) {
    const bytes = await loadFont(DOT_FONT_FILE);
    dots = new PageFont({ file: DOT_FONT_FILE, bytes, font: new TrueType(bytes) }, embedded.length);
    embedded.push(dots);
  }

  const pdf = new PdfFile();
  const catalog = pdf.reserve();
  const tree = pdf.reserve();
  const pageObjects = pages.map(() => pdf.reserve());
  const resources = pdf.reserve();
  pdf.set(catalog, `<< /Type /Catalog /Pages ${tree} 0 R >>`);
  pdf.set(tree, `<< /Type /Pages /Kids [${pageObjects.map((n) => `${n} 0 R`).join(' ')}] /Count ${pages.length} >>`);
  const w = num(layout.inches.width * 72);
  const h = num(layout.inches.height * 72);
  const sheets = new Map(); // the sheet's operations (as JSON) → its form's name
  const forms = [];
  for (const [i, ops] of pages.entries()) {
    const cut = firstTextIndex(ops);
    const key = JSON.stringify(ops.slice(0, cut));
    if (!sheets.has(key)) {
      const drawing = encoder.encode(contentStream(ops.slice(0, cut), layout, fonts, embedded, dots));
      const form = await pdf.stream(`/Type /XObject /Subtype /Form /BBox ${formBox(layout)} /Resources ${resources} 0 R`, drawing);
      sheets.set(key, `S${forms.length + 1}`);
      forms.push(`/S${forms.length + 1} ${form} 0 R`);
    }
    const page = [pageFrame(layout, dpi), `/${sheets.get(key)} Do`, contentStream(ops.slice(cut), layout, fonts, embedded, dots)];
    const contents = await pdf.stream('', encoder.encode(page.join('\n')));
    pdf.set(pageObjects[i], `<< /Type /Page /Parent ${tree} 0 R /MediaBox [0 0 ${w} ${h}] /Resources ${resources} 0 R /Contents ${contents} 0 R >>`);
    pageWritten(i + 1);
  }
  // After every page: the widths and the text map name each glyph used.
  const fontObjects = [];
  for (const pageFont of embedded.filter((f) => f.used.size > 0))
    fontObjects.push(`/${pageFont.resource} ${await embedFont(pdf, pageFont)} 0 R`);
  const fontDictionary = fontObjects.length > 0 ? `/Font << ${fontObjects.join(' ')} >> ` : '';
  pdf.set(resources, `<< ${fontDictionary}/XObject << ${forms.join(' ')} >> >>`);
  return pdf.bytes();
}

// The face cut down to the glyphs used, under its PostScript name with a
// subset's tag; returns the object of the font the pages' text uses.
async function embedFont(pdf, pageFont) {
  const f = pageFont.font;
  const name = `${pageFont.tag}+${f.postScriptName() ?? `GridoraSans${pageFont.resource}`}`;
  const em = (x) => num((x * 1000) / f.unitsPerEm);
  const bytes = await subsetFont(pageFont.face.bytes, pageFont.used.keys());
  const file = await pdf.stream(`/Length1 ${bytes.length}`, bytes);
  const descriptor = pdf.add(`<< /Type /FontDescriptor /FontName /${name} /Flags 32 /FontBBox [${f.bbox.map(em).join(' ')}] /ItalicAngle 0 /Ascent ${em(f.ascent)} /Descent ${em(f.descent)} /CapHeight ${em(f.ascent)} /StemV 80 /FontFile2 ${file} 0 R >>`);
  const cid = pdf.add(`<< /Type /Font /Subtype /CIDFontType2 /BaseFont /${name} /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor ${descriptor} 0 R /CIDToGIDMap /Identity /W [${widthsArray(pageFont)}] >>`);
  const unicode = await pdf.stream('', encoder.encode(toUnicodeCMap(pageFont)));
  return pdf.add(`<< /Type /Font /Subtype /Type0 /BaseFont /${name} /Encoding /Identity-H /DescendantFonts [${cid} 0 R] /ToUnicode ${unicode} 0 R >>`);
}
