// Looking at a PDF the way poppler sees it: page count and size (pdfinfo),
// the fonts (pdffonts), the text in a corner (pdftotext) and the pixels at a
// resolution (pdftoppm).

import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

export function withPdf(bytes, use) {
  const dir = mkdtempSync(join(tmpdir(), 'gridora-pdf-'));
  const file = join(dir, 'page.pdf');
  writeFileSync(file, bytes);
  try {
    return use(file, dir);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

export function pdfInfo(file) {
  const text = execFileSync('pdfinfo', [file], { encoding: 'utf8' });
  const size = /^Page size:\s+([\d.]+) x ([\d.]+) pts/m.exec(text);
  return { pages: Number(/^Pages:\s+(\d+)/m.exec(text)[1]), width: Number(size[1]), height: Number(size[2]) };
}

/** The names of the fonts the PDF embeds, without a subset's tag (ABCDEF+). */
export function fontNames(file) {
  const rows = execFileSync('pdffonts', [file], { encoding: 'utf8' }).split('\n').slice(2).filter((r) => r.trim());
  return rows.map((row) => row.split(/\s+/)[0].replace(/^[A-Z]{6}\+/, ''));
}

// The dotted lines are printed in a face of dots whose characters lie in the
// Private Use Area: a reader of the file sees them as characters, not text.
export const DOTS = /[\uE000-\uF8FF]/g;

/** The text inside the rectangle given in points from the top-left corner. */
export function textIn(file, x, y, w, h) {
  return execFileSync('pdftotext', ['-r', '72', '-x', String(x), '-y', String(y), '-W', String(w), '-H', String(h),
    '-enc', 'UTF-8', '-layout', file, '-'], { encoding: 'utf8', maxBuffer: 64 << 20 })
    .split('\n').map((line) => line.replace(DOTS, '').trim()).join('\n');
}

/** Page 1's words, each with its top-left corner, width and height in points. */
export function wordBoxes(file) {
  const xml = execFileSync('pdftotext', ['-f', '1', '-l', '1', '-bbox', file, '-'], { encoding: 'utf8', maxBuffer: 64 << 20 });
  return [...xml.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<\/word>/g)]
    .map((m) => ({ text: m[5], x: Number(m[1]), y: Number(m[2]), width: m[3] - m[1], height: m[4] - m[2] }));
}

/** The page in grey levels at `dpi`, without smoothing. */
export function rasterize(file, dir, dpi) {
  const prefix = join(dir, 'page');
  execFileSync('pdftoppm', ['-r', String(dpi), '-gray', '-aa', 'no', '-aaVector', 'no', '-singlefile',
    '-f', '1', '-l', '1', file, prefix]);
  const pgm = readFileSync(`${prefix}.pgm`);
  // P5 header: magic, width, height, maximum, each after white space.
  const fields = [];
  let at = 0;
  while (fields.length < 4) {
    while (/\s/.test(String.fromCharCode(pgm[at]))) at++;
    const start = at;
    while (!/\s/.test(String.fromCharCode(pgm[at]))) at++;
    fields.push(pgm.toString('latin1', start, at));
  }
  const width = Number(fields[1]);
  const height = Number(fields[2]);
  const pixels = pgm.subarray(at + 1);
  return {
    width, height,
    grey: (x, y) => (x < 0 || y < 0 || x >= width || y >= height ? 255 : pixels[y * width + x]),
  };
}
