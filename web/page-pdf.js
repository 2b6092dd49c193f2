// The printed page as a PDF file (one page, or a class set's page for each
// name): the same painting operations as the printed SVG, in device pixels of
// the chosen resolution, a margin in from the paper's edges, with the text in
// the desktop's faces, embedded: Liberation Sans (Arial's metrics, which the
// grid pages' labels are laid out by), and DejaVu Sans for the characters
// Liberation Sans lacks.
//
// The PDF is written here rather than by a library: the well-kept ones need a
// font layout engine several times the size of the whole site to embed a font.
// Text is set one glyph per character in the order typed; right-to-left
// scripts are not reordered and joining scripts are not shaped.

import { TrueType } from './truetype.js';

/** The page's font files in the order they are tried for a character. */
export const PAGE_FONT_FILES = ['LiberationSans-Regular.ttf', 'DejaVuSans.ttf'];

const encoder = new TextEncoder();

function num(x) {
  return Number.isInteger(x) ? String(x) : x.toFixed(4).replace(/0+$/, '').replace(/\.$/, '');
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

// One embedded font: the glyphs the pages use and what each stands for.
class PageFont {
  constructor(bytes, resource) {
    this.bytes = bytes;
    this.font = new TrueType(bytes);
    this.resource = resource; // the page resources' name, F1, F2, …
    this.used = new Map(); // gid → code point
  }

  hasGlyph(c) {
    return this.font.glyph(c) !== 0;
  }

  encode(c) {
    const gid = this.font.glyph(c);
    if (!this.used.has(gid)) this.used.set(gid, c);
    return hex4(gid);
  }
}

// The faces in their order of preference. A character none of them has is
// set in the first, as its missing glyph.
class PageFonts {
  constructor(fonts) {
    this.fonts = fonts;
    this.primary = fonts[0];
  }

  fontOf(c) {
    return this.fonts.find((f) => f.hasGlyph(c)) ?? this.primary;
  }

  /** `text` as runs of consecutive characters in one font: [{ font, hex }]. */
  runs(text) {
    const runs = [];
    for (const ch of text) {
      const c = ch.codePointAt(0);
      const font = this.fontOf(c);
      if (runs.at(-1)?.font !== font) runs.push({ font, hex: '' });
      runs.at(-1).hex += font.encode(c);
    }
    return runs;
  }

  used() {
    return this.fonts.filter((f) => f.used.size > 0);
  }
}

// Loads the first face, and the others only when the pages' text has a
// character the ones before lack.
async function loadPageFonts(pages, loadFont) {
  const characters = new Set();
  for (const ops of pages)
    for (const op of ops) if (op.op === 'text') for (const ch of op.text) characters.add(ch.codePointAt(0));
  const fonts = [];
  let missing = [...characters];
  for (const [i, file] of PAGE_FONT_FILES.entries()) {
    if (i > 0 && missing.length === 0) break;
    const font = new PageFont(await loadFont(file), `F${i + 1}`);
    fonts.push(font);
    missing = missing.filter((c) => !font.hasGlyph(c));
  }
  return new PageFonts(fonts);
}

function contentStream(ops, layout, dpi, fonts) {
  const out = [];
  const scale = 72 / dpi;
  const heightPt = layout.inches.height * 72;
  // Device pixels, y downwards, origin at the printable area's corner.
  out.push(`${num(scale)} 0 0 ${num(-scale)} 0 ${num(heightPt)} cm`);
  out.push(`1 0 0 1 ${layout.margin} ${layout.margin} cm`);
  out.push(`0 0 ${layout.width} ${layout.height} re W n`);
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
    } else if (fonts) {
      // The baseline is the first face's, as the desktop's painter places a
      // line by its font's ascent whichever face draws each character; each
      // run goes on where the one before it ended.
      const first = fonts.primary.font;
      const baseline = op.y + (first.ascent * op.pixels) / first.unitsPerEm;
      const runs = fonts.runs(op.text).map((r) => `/${r.font.resource} 1 Tf <${r.hex}> Tj`);
      out.push(`BT 0 g ${op.pixels} 0 0 ${-op.pixels} ${op.x} ${num(baseline)} Tm ${runs.join(' ')} ET`);
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
  const entries = [...pageFont.used.entries()].sort((a, b) => a[0] - b[0]);
  const chunks = [];
  for (let i = 0; i < entries.length; i += 100) {
    const part = entries.slice(i, i + 100);
    const lines = part.map(([gid, c]) => {
      const units = String.fromCodePoint(c);
      let hex = '';
      for (let k = 0; k < units.length; k++) hex += hex4(units.charCodeAt(k));
      return `<${hex4(gid)}> <${hex}>`;
    });
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
 * A PDF Blob of one page of `layout` (see papers.js) showing `ops`, the text
 * in the page's faces; `loadFont(file)` gives the bytes of one of
 * PAGE_FONT_FILES, and is asked only for the faces the text needs.
 */
export async function pagePdf(ops, layout, dpi, loadFont) {
  return pagesPdf([ops], layout, dpi, loadFont);
}

/** A PDF Blob with one page of `layout` for each list of operations in `pages`. */
export async function pagesPdf(pages, layout, dpi, loadFont) {
  const hasText = pages.some((ops) => ops.some((op) => op.op === 'text'));
  const fonts = hasText ? await loadPageFonts(pages, loadFont) : null;

  const pdf = new PdfFile();
  const catalog = pdf.reserve();
  const tree = pdf.reserve();
  const pageObjects = pages.map(() => pdf.reserve());
  const resources = pdf.reserve();
  pdf.set(catalog, `<< /Type /Catalog /Pages ${tree} 0 R >>`);
  pdf.set(tree, `<< /Type /Pages /Kids [${pageObjects.map((n) => `${n} 0 R`).join(' ')}] /Count ${pages.length} >>`);
  const w = num(layout.inches.width * 72);
  const h = num(layout.inches.height * 72);
  for (const [i, ops] of pages.entries()) {
    const contents = await pdf.stream('', encoder.encode(contentStream(ops, layout, dpi, fonts)));
    pdf.set(pageObjects[i], `<< /Type /Page /Parent ${tree} 0 R /MediaBox [0 0 ${w} ${h}] /Resources ${resources} 0 R /Contents ${contents} 0 R >>`);
  }
  // After every page: the widths and the text map name each glyph used.
  const embedded = [];
  for (const pageFont of fonts?.used() ?? []) embedded.push(`/${pageFont.resource} ${await embedFont(pdf, pageFont)} 0 R`);
  pdf.set(resources, embedded.length > 0 ? `<< /Font << ${embedded.join(' ')} >> >>` : '<< >>');
  return pdf.bytes();
}

// The whole font file, under its own PostScript name; returns the object of
// the font the pages' text uses.
async function embedFont(pdf, pageFont) {
  const f = pageFont.font;
  const name = f.postScriptName() ?? `GridoraSans${pageFont.resource}`;
  const em = (x) => Math.round((x * 1000) / f.unitsPerEm);
  const file = await pdf.stream(`/Length1 ${pageFont.bytes.length}`, pageFont.bytes);
  const descriptor = pdf.add(`<< /Type /FontDescriptor /FontName /${name} /Flags 32 /FontBBox [${f.bbox.map(em).join(' ')}] /ItalicAngle 0 /Ascent ${em(f.ascent)} /Descent ${em(f.descent)} /CapHeight ${em(f.ascent)} /StemV 80 /FontFile2 ${file} 0 R >>`);
  const cid = pdf.add(`<< /Type /Font /Subtype /CIDFontType2 /BaseFont /${name} /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor ${descriptor} 0 R /CIDToGIDMap /Identity /W [${widthsArray(pageFont)}] >>`);
  const unicode = await pdf.stream('', encoder.encode(toUnicodeCMap(pageFont)));
  return pdf.add(`<< /Type /Font /Subtype /Type0 /BaseFont /${name} /Encoding /Identity-H /DescendantFonts [${cid} 0 R] /ToUnicode ${unicode} 0 R >>`);
}
