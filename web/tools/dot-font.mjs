// Makes the printed page's dot face, Gridora Dots: one square a little
// smaller than a pixel for each distance across from a run's first pixel,
// so that a run of one-pixel dots along a line is one line of text (see
// page-dots.js, which must agree with every number here).
//
//   node dot-font.mjs OUT.ttf

import { writeFileSync } from 'node:fs';
import svg2ttf from 'svg2ttf';

// At the page's font size of 100 pixels, 10 units (of 1000 to the em) are a
// pixel; each glyph advances 3 pixels, a dot and its two gaps.
const UNITS_PER_PIXEL = 10;
const REACH = 1000; // glyphs for 1000 pixels either side
const FIRST_CHAR = 0xe000; // in the Private Use Area: no other face draws them
// The square: 0 to 0.7 pixels right of the origin and below the baseline.
const SQUARE = [0, 7];

const glyphs = [];
for (let across = -REACH; across <= REACH; across++) {
  const [near, far] = SQUARE;
  const top = -UNITS_PER_PIXEL * across - near, bottom = -UNITS_PER_PIXEL * across - far; // y goes up
  const code = (FIRST_CHAR + across + REACH).toString(16);
  glyphs.push(`<glyph unicode="&#x${code};" d="M${near} ${bottom}L${near} ${top}L${far} ${top}L${far} ${bottom}Z"/>`);
}
// Ascent and descent cover every glyph: a renderer may skip text whose
// glyphs it takes to lie outside the font's extent.
const extent = UNITS_PER_PIXEL * REACH + 100;
const svg = `<svg xmlns="http://www.w3.org/2000/svg"><defs><font id="dots" horiz-adv-x="${3 * UNITS_PER_PIXEL}">
<font-face font-family="Gridora Dots" units-per-em="1000" ascent="${extent}" descent="-${extent}"/>
<missing-glyph horiz-adv-x="0"/>
${glyphs.join('\n')}
</font></defs></svg>`;
// A fixed time stamp: the same file from every build.
writeFileSync(process.argv[2], Buffer.from(svg2ttf(svg, { ts: 0, version: 'Version 1.0' }).buffer));
