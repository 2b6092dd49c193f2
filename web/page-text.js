// A line of the printed page's text set as glyphs, as the desktop's painter
// sets it: in reading order by the Unicode bidirectional algorithm (bidi-js)
// on a left-to-right line, each run shaped by HarfBuzz (harfbuzzjs: Arabic
// joining, marks, ligatures) in the first face that has its characters. No
// DOM here: a worker can use it too.

import * as hb from 'harfbuzzjs';
import bidiFactory from 'bidi-js';

const bidi = bidiFactory();
const shapers = new WeakMap(); // face → HarfBuzz font

function shaperOf(face) {
  if (!shapers.has(face)) shapers.set(face, new hb.Font(new hb.Face(new hb.Blob(face.bytes))));
  return shapers.get(face);
}

// Logical runs of one embedding level and one face: [{ start, end, level, face }],
// indices in UTF-16 units. A mark or other character no face has stays in
// the run before it.
function logicalRuns(fonts, text, levels) {
  const runs = [];
  for (let i = 0; i < text.length;) {
    const c = text.codePointAt(i);
    const size = c > 0xffff ? 2 : 1;
    const found = fonts.faceOf(c);
    const last = runs.at(-1);
    const face = found >= 0 ? found : (last?.face ?? 0);
    if (last && last.level === levels[i] && last.face === face) last.end = i + size;
    else runs.push({ start: i, end: i + size, level: levels[i], face });
    i += size;
  }
  return runs;
}

// The runs in visual order, left to right: from the highest level down to
// the lowest odd one, every stretch of runs at that level or above is
// turned round.
function visualOrder(runs) {
  const order = [...runs];
  const levels = runs.map((r) => r.level);
  const highest = Math.max(0, ...levels);
  const lowestOdd = Math.min(...levels.filter((l) => l % 2 === 1), highest + 1);
  for (let level = highest; level >= lowestOdd; level--) {
    for (let i = 0; i < order.length;) {
      if (order[i].level < level) { i++; continue; }
      let j = i;
      while (j < order.length && order[j].level >= level) j++;
      order.splice(i, j - i, ...order.slice(i, j).reverse());
      i = j;
    }
  }
  return order;
}

// The desktop's painter lays a line out in 64ths of a pixel: a glyph's own
// advance at the pixel size cut down to a 64th, what the shaping adds to it
// (kerning) and a mark's offsets rounded to the nearest 64th. Laid out
// exactly instead, a line's far end drifts by a tenth of a pixel in a dozen
// letters, and the letters' edges land on other dots.
function sixtyFourths(font, pixels) {
  const scaled = (units) => (units * 64 * pixels) / font.unitsPerEm;
  const nearest = (units) => Math.floor(scaled(units) + 0.5);
  return {
    offset: nearest,
    advance(gid, shaped) {
      if (shaped === 0) return 0; // a mark, set on the glyph before it
      const own = font.advance(gid);
      return Math.floor(scaled(own)) + nearest(shaped - own);
    },
  };
}

/**
 * `text` set on a left-to-right line at `pixels` pixels to the em: its
 * glyphs left to right, { face, gid, x, y, cluster, text }, x and y in pixels
 * from the line's start on its baseline (y downwards); `cluster` is where the
 * glyph's characters start in `text`, and `text` what they are, on the
 * cluster's first glyph only.
 */
export function setLine(fonts, text, pixels) {
  const { levels } = bidi.getEmbeddingLevels(text, 'ltr');
  const glyphs = [];
  let start = 0; // where the run begins, in pixels
  for (const run of visualOrder(logicalRuns(fonts, text, levels))) {
    const face = fonts.faces[run.face];
    const toSixtyFourths = sixtyFourths(face.font, pixels);
    const buffer = new hb.Buffer();
    buffer.addText(text, run.start, run.end - run.start);
    buffer.guessSegmentProperties();
    buffer.setDirection(run.level % 2 ? hb.Direction.RTL : hb.Direction.LTR);
    hb.shape(shaperOf(face), buffer);
    const infos = buffer.getGlyphInfos();
    const positions = buffer.getGlyphPositions();
    const clusters = [...new Set(infos.map((g) => g.cluster))].sort((a, b) => a - b);
    const named = new Set();
    let pen = 0; // in 64ths of a pixel
    infos.forEach((info, i) => {
      const p = positions[i];
      const end = clusters.find((c) => c > info.cluster) ?? run.end;
      glyphs.push({
        face: run.face, gid: info.codepoint, x: start + (pen + toSixtyFourths.offset(p.xOffset)) / 64,
        y: -toSixtyFourths.offset(p.yOffset) / 64,
        cluster: info.cluster, text: named.has(info.cluster) ? '' : text.slice(info.cluster, end),
      });
      named.add(info.cluster);
      pen += toSixtyFourths.advance(info.codepoint, p.xAdvance);
    });
    start += pen / 64;
  }
  return glyphs;
}
