// The printed page's faces, as the desktop's: Liberation Sans (Arial's
// metrics, which the grid pages' labels are laid out by), and DejaVu Sans for
// the characters it lacks. No DOM here: a worker can use it too.

import { TrueType } from './truetype.js';

/** The page's font files in the order they are tried for a character. */
export const PAGE_FONT_FILES = ['LiberationSans-Regular.ttf', 'DejaVuSans.ttf'];

// Characters that show nothing and need no glyph: the bidirectional
// controls a name is isolated with, joiners, variation selectors.
const INVISIBLE = /^[\p{Default_Ignorable_Code_Point}]$/u;

export class PageFonts {
  /** `faces`: [{ file, bytes }] in PAGE_FONT_FILES' order, as far as loaded. */
  constructor(faces) {
    this.faces = faces.map((f) => ({ ...f, font: new TrueType(f.bytes) }));
  }

  /** The face (its index) that draws code point `c`, or -1 when none has it. */
  faceOf(c) {
    return this.faces.findIndex((f) => f.font.glyph(c) !== 0);
  }

  /** The characters of `text` no face has, each once, in order. */
  missing(text) {
    const lacking = new Set();
    for (const ch of text) if (!INVISIBLE.test(ch) && this.faceOf(ch.codePointAt(0)) < 0) lacking.add(ch);
    return [...lacking];
  }

  /**
   * How far below the top of its cell a line of `pixels`-pixel text has its
   * baseline: the first face's ascent in whole pixels, as the desktop's
   * painter places a line whichever face draws each character.
   */
  baseline(pixels) {
    const first = this.faces[0].font;
    return Math.round((first.ascent * pixels) / first.unitsPerEm);
  }
}

/**
 * The first page whose name has letters none of `fonts` has (they would
 * print as empty boxes), as { index, letters }; null when every page can
 * print. `texts[i]` are the lines page i paints (controls escaped). The page
 * says it in its language (print-page.js, unprintableSentence).
 */
export function unprintableIn(fonts, texts) {
  for (const [index, lines] of texts.entries()) {
    const missing = [...new Set(lines.flatMap((text) => fonts.missing(text)))];
    if (missing.length > 0) return { index, letters: missing.join(' ') };
  }
  return null;
}

/**
 * The faces that `texts` need: the first always, each further one only when
 * the text has a character the ones before it lack. `loadFont(file)` gives
 * a file's bytes.
 */
export async function loadPageFonts(texts, loadFont) {
  const characters = new Set();
  for (const text of texts) for (const ch of text) if (!INVISIBLE.test(ch)) characters.add(ch.codePointAt(0));
  const faces = [];
  let missing = [...characters];
  for (const [i, file] of PAGE_FONT_FILES.entries()) {
    if (i > 0 && missing.length === 0) break;
    const bytes = await loadFont(file);
    const font = new TrueType(bytes);
    faces.push({ file, bytes });
    missing = missing.filter((c) => font.glyph(c) === 0);
  }
  return new PageFonts(faces);
}
