// The printed page as a PDF file (one page, or a class set's page for each
// name): the same painting operations as the printed SVG, in device pixels of the chosen resolution, a margin in from the
// paper's edges, with the text in an embedded TrueType font.
//
// The PDF is written here rather than by a library: the well-kept ones need a
// font layout engine several times the size of the whole site to embed a font.
// Text is set one glyph per character in the order typed; right-to-left
// scripts are not reordered and joining scripts are not shaped.

import { TrueType } from './truetype.js';

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

// Glyphs in the order the text has them, and what each glyph stands for.
class GlyphRun {
  constructor(font) {
    this.font = font;
    this.used = new Map(); // gid → code point
  }

  encode(text) {
    let hex = '';
    for (const ch of text) {
      const c = ch.codePointAt(0);
      const gid = this.font.glyph(c);
      if (!this.used.has(gid)) this.used.set(gid, c);
      hex += hex4(gid);
    }
    return hex;
  }
}

function contentStream(ops, layout, dpi, run) {
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
    } else if (run) {
      const baseline = op.y + (run.font.ascent * op.pixels) / run.font.unitsPerEm;
      out.push(`BT 0 g /F1 1 Tf ${op.pixels} 0 0 ${-op.pixels} ${op.x} ${num(baseline)} Tm <${run.encode(op.text)}> Tj ET`);
    }
  }
  return out.join('\n');
}

function widthsArray(run) {
  const gids = [...run.used.keys()].sort((a, b) => a - b);
  const scale = 1000 / run.font.unitsPerEm;
  return gids.map((g) => `${g} [${Math.round(run.font.advance(g) * scale)}]`).join(' ');
}

function toUnicodeCMap(run) {
  const entries = [...run.used.entries()].sort((a, b) => a[0] - b[0]);
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
 * in the TrueType font `fontBytes`.
 */
export async function pagePdf(ops, layout, dpi, fontBytes) {
  return pagesPdf([ops], layout, dpi, fontBytes);
}

/** A PDF Blob with one page of `layout` for each list of operations in `pages`. */
export async function pagesPdf(pages, layout, dpi, fontBytes) {
  const hasText = pages.some((ops) => ops.some((op) => op.op === 'text'));
  const run = hasText ? new GlyphRun(new TrueType(fontBytes)) : null;

  const pdf = new PdfFile();
  const catalog = pdf.reserve();
  const tree = pdf.reserve();
  const pageObjects = pages.map(() => pdf.reserve());
  const fontObject = run ? pdf.reserve() : 0;
  pdf.set(catalog, `<< /Type /Catalog /Pages ${tree} 0 R >>`);
  pdf.set(tree, `<< /Type /Pages /Kids [${pageObjects.map((n) => `${n} 0 R`).join(' ')}] /Count ${pages.length} >>`);
  const resources = run ? `<< /Font << /F1 ${fontObject} 0 R >> >>` : '<< >>';
  const w = num(layout.inches.width * 72);
  const h = num(layout.inches.height * 72);
  for (const [i, ops] of pages.entries()) {
    const contents = await pdf.stream('', encoder.encode(contentStream(ops, layout, dpi, run)));
    pdf.set(pageObjects[i], `<< /Type /Page /Parent ${tree} 0 R /MediaBox [0 0 ${w} ${h}] /Resources ${resources} /Contents ${contents} 0 R >>`);
  }
  if (run) {
    // After every page: the widths and the text map name each glyph used.
    const f = run.font;
    const em = (x) => Math.round((x * 1000) / f.unitsPerEm);
    const file = await pdf.stream(`/Length1 ${fontBytes.length}`, fontBytes);
    const descriptor = pdf.add(`<< /Type /FontDescriptor /FontName /GridoraSans /Flags 32 /FontBBox [${f.bbox.map(em).join(' ')}] /ItalicAngle 0 /Ascent ${em(f.ascent)} /Descent ${em(f.descent)} /CapHeight ${em(f.ascent)} /StemV 80 /FontFile2 ${file} 0 R >>`);
    const cid = pdf.add(`<< /Type /Font /Subtype /CIDFontType2 /BaseFont /GridoraSans /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor ${descriptor} 0 R /CIDToGIDMap /Identity /W [${widthsArray(run)}] >>`);
    const unicode = await pdf.stream('', encoder.encode(toUnicodeCMap(run)));
    pdf.set(fontObject, `<< /Type /Font /Subtype /Type0 /BaseFont /GridoraSans /Encoding /Identity-H /DescendantFonts [${cid} 0 R] /ToUnicode ${unicode} 0 R >>`);
  }
  return pdf.bytes();
}
