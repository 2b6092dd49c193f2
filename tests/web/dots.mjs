// Whether a printed page puts its rulings on the printer's dots: the page is
// rasterised at the sheet's resolution without smoothing, by pdftoppm or
// pdftocairo, and each level and plumb ruling of the desktop's trace is held
// against gridora-sheet's own page, pixel for pixel across the ruling.

import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { decodePng } from './png.mjs';

/** A grey picture of `width` × `height` read through grey(x, y), white outside. */
function picture(width, height, pixels, stride = 1) {
  return {
    width, height,
    grey: (x, y) => (x < 0 || y < 0 || x >= width || y >= height ? 255 : pixels[(y * width + x) * stride]),
  };
}

function readPgm(file) {
  const bytes = readFileSync(file);
  const header = /^P5\s+(\d+)\s+(\d+)\s+255\s/.exec(bytes.toString('latin1', 0, 64));
  return picture(Number(header[1]), Number(header[2]), bytes.subarray(header[0].length));
}

export const RASTERISERS = ['pdftoppm', 'pdftocairo'];

/** Page 1 of a PDF file at `dpi`, grey, with no smoothing of lines or text. */
export function rasterisePage(file, dir, dpi, tool = 'pdftoppm', page = 1) {
  const prefix = join(dir, `${tool}-${page}`);
  const pages = ['-f', String(page), '-l', String(page), '-singlefile'];
  if (tool === 'pdftoppm') {
    execFileSync('pdftoppm', ['-r', String(dpi), '-gray', '-aa', 'no', '-aaVector', 'no', ...pages, file, prefix]);
    return readPgm(`${prefix}.pgm`);
  }
  execFileSync('pdftocairo', ['-r', String(dpi), '-gray', '-antialias', 'none', '-png', ...pages, file, prefix]);
  const { width, height, rgba } = decodePng(readFileSync(`${prefix}.png`));
  return picture(width, height, rgba, 4);
}

/** A PNG gridora-sheet wrote, as a grey picture. */
export function pngPicture(bytes) {
  const { width, height, rgba } = decodePng(bytes);
  return picture(width, height, rgba, 4);
}

// The rulings of a trace: each lineto with the moveto before it.
export function traceLines(trace) {
  const lines = [];
  let from = null;
  for (const row of trace.split('\n')) {
    const f = row.split(' ');
    if (f[0] === 'moveto') from = [+f[1], +f[2]];
    else if (f[0] === 'lineto') {
      const [colour, width, style] = f[3].split('/');
      lines.push({ x1: from[0], y1: from[1], x2: +f[1], y2: +f[2], colour, width: +width, style });
      from = [+f[1], +f[2]];
    }
  }
  return lines;
}

const ALONG = 9; // rows (or columns) a ruling must ink in a row to count as ruled there

/**
 * The level and plumb solid rulings of `trace` on a printable area of
 * `layout` (margin, width, height in device pixels), each with the spot in
 * the middle of its visible stretch where it is looked at.
 */
export function rulingsOf(trace, layout) {
  const { width, height } = layout;
  const spans = [];
  for (const l of traceLines(trace)) {
    if (l.style === 'dot' || (l.x1 !== l.x2 && l.y1 !== l.y2)) continue;
    const plumb = l.x1 === l.x2;
    const at = plumb ? l.x1 : l.y1;
    const [a, b] = plumb ? [l.y1, l.y2] : [l.x1, l.x2];
    const limit = plumb ? height : width;
    const lo = Math.max(0, Math.min(a, b));
    const hi = Math.min(limit - 1, Math.max(a, b));
    if (at < 0 || at >= (plumb ? width : height) || hi - lo < 2 * ALONG) continue;
    spans.push({ plumb, at, middle: Math.floor((lo + hi) / 2), width: l.width });
  }
  return spans;
}

// The grey levels across a ruling at `along`, from -reach to reach: where
// each of ALONG pixels along the ruling is inked, the darkest of them; 255
// where any of them is white (dots and crossing lines are no ruling). With
// `clean`, null unless those are the only inked pixels of the window.
function profile(image, margin, ruling, along, reach, clean = false) {
  const out = [];
  for (let d = -reach; d <= reach; d++) {
    const column = [];
    for (let k = 0; k < ALONG; k++) {
      const a = along - Math.floor(ALONG / 2) + k;
      column.push(ruling.plumb ? image.grey(margin + ruling.at + d, margin + a) : image.grey(margin + a, margin + ruling.at + d));
    }
    const ruled = column.every((g) => g !== 255);
    if (clean && !ruled && column.some((g) => g !== 255)) return null;
    out.push(ruled ? Math.min(...column) : 255);
  }
  return out;
}

/**
 * The rulings of `trace` whose pixels across differ between the printed
 * `image` and gridora-sheet's `expected` page: { checked, off }, off empty
 * when every ruling is on its dots. Each ruling is looked at at the spot
 * nearest the middle of its visible stretch where nothing else is drawn
 * beside it on the desktop's page.
 */
export function rulingsOffTheirDots(image, expected, trace, layout) {
  const off = [];
  let checked = 0;
  for (const r of rulingsOf(trace, layout)) {
    const reach = r.width + 3;
    for (let step = 0; step < 64; step++) {
      const along = r.middle + (step % 2 ? 1 : -1) * Math.ceil(step / 2) * ALONG;
      const want = profile(expected, layout.margin, r, along, reach, true);
      if (!want) continue;
      checked += 1;
      const got = profile(image, layout.margin, r, along, reach);
      if (got.join() !== want.join())
        off.push(`${r.plumb ? 'x' : 'y'} = ${r.at} (at ${along}): ${got.join(' ')} instead of ${want.join(' ')}`);
      break;
    }
  }
  return { checked, off };
}

/**
 * The dots of dotted lines: every pixel of gridora-sheet's `expected` page
 * that is a lone dot (nothing else inked within two pixels) must be a lone
 * dot on the same pixel of the printed `image`, nothing inked around it.
 * Returns { checked, off }, off listing the dots that are not.
 */
export function dotsOffTheirPixels(image, expected) {
  const off = [];
  let checked = 0;
  const inked = (picture, x, y) => picture.grey(x, y) < 128;
  for (let y = 2; y < expected.height - 2; y++) {
    for (let x = 2; x < expected.width - 2; x++) {
      if (!inked(expected, x, y)) continue;
      let lone = true;
      for (let dy = -2; dy <= 2 && lone; dy++)
        for (let dx = -2; dx <= 2 && lone; dx++) lone = (dx === 0 && dy === 0) || expected.grey(x + dx, y + dy) === 255;
      if (!lone) continue;
      checked += 1;
      let same = true;
      for (let dy = -1; dy <= 1; dy++)
        for (let dx = -1; dx <= 1; dx++) same &&= inked(image, x + dx, y + dy) === (dx === 0 && dy === 0);
      if (!same) off.push(`${x}, ${y}`);
    }
  }
  return { checked, off };
}
