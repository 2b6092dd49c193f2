// The dotted lines of a printed page, dot by dot on the pixels the raster
// sets, as lines of text in the dot face, Gridora Dots (made by
// tools/dot-font.mjs, whose numbers these must match): each glyph is a
// square a little smaller than a pixel, as far across from the run's first
// pixel as its character says, and advances three pixels. A print is then a
// few hundred runs of glyphs, where a dash pattern would fall between the
// printer's dots and Chromium writes each dash of one as a stroke of its own.
// No DOM here: a worker can use it too.

export const DOT_FACE = 'Gridora Dots';
export const DOT_FONT_FILE = 'GridoraDots.ttf';
/** The font size, in device pixels, at which a glyph advances three pixels. */
export const DOT_FONT_PIXELS = 100;
const REACH = 1000; // the farthest across a glyph reaches, in pixels
const FIRST_CHAR = 0xe000;
/**
 * Where a run starts inside its first pixel: a quarter in. A glyph's square
 * lies 0 to 0.7 pixels right of and below its origin, so a renderer that
 * places glyphs exactly and one that moves them to a whole pixel (down or to
 * the nearest) both find the pixel's centre inside it, and no other.
 */
export const DOT_ORIGIN = 0.25;

/**
 * The runs of glyphs that draw a `pixels` operation (see paint-list.js):
 * { colour, steep, along, across, text }, the run's first pixel at `along`
 * on the line's major axis (y when steep, else x) and `across` on the other,
 * its glyphs three pixels apart along it. The pen's dots and the two sets of
 * gaps between them are runs of their own.
 */
export function dotRuns(op) {
  const count = op.moves.length + 1;
  const across = new Int32Array(count);
  across[0] = op.steep ? op.x : op.y;
  for (let i = 1; i < count; i++) across[i] = across[i - 1] + (op.moves.charCodeAt(i - 1) === 49 ? op.across : 0);
  const along = op.steep ? op.y : op.x;
  const runs = [];
  for (let set = 0; set < 3; set++) {
    const colour = set === 0 ? op.pen : op.gap;
    let chars = [];
    let start = -1;
    const finish = () => {
      if (chars.length > 0) runs.push({ colour, steep: op.steep, along: along + start, across: across[start], text: String.fromCharCode(...chars) });
      chars = [];
    };
    for (let i = (op.first + set) % 3; i < count; i += 3) {
      if (chars.length > 0 && Math.abs(across[i] - across[start]) > REACH) finish();
      if (chars.length === 0) start = i;
      chars.push(FIRST_CHAR + REACH + across[i] - across[start]);
    }
    finish();
  }
  return runs;
}
