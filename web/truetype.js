// Just enough of a TrueType font for a PDF to show text in it: the glyph of
// each character (from the font's Unicode cmap), the glyph widths, the
// metrics a PDF font descriptor asks for and the font's PostScript name.

export class TrueType {
  constructor(bytes) {
    this.bytes = bytes;
    this.view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    this.tables = {};
    const count = this.view.getUint16(4);
    for (let i = 0; i < count; i++) {
      const at = 12 + 16 * i;
      const tag = String.fromCharCode(...bytes.subarray(at, at + 4));
      this.tables[tag] = { offset: this.view.getUint32(at + 8), length: this.view.getUint32(at + 12) };
    }
    const head = this.table('head');
    const hhea = this.table('hhea');
    this.unitsPerEm = this.view.getUint16(head + 18);
    this.bbox = [36, 38, 40, 42].map((o) => this.view.getInt16(head + o));
    this.ascent = this.view.getInt16(hhea + 4);
    this.descent = this.view.getInt16(hhea + 6);
    this.metricCount = this.view.getUint16(hhea + 34);
    this.lookup = this.readCmap();
  }

  /**
   * The font's PostScript name (name 6 of its name table), by which a PDF
   * names it; null when the font has none.
   */
  postScriptName() {
    const at = this.table('name');
    const v = this.view;
    const count = v.getUint16(at + 2);
    const strings = at + v.getUint16(at + 4);
    for (let i = 0; i < count; i++) {
      const record = at + 6 + 12 * i;
      const [platform, , , id, length, offset] = [0, 2, 4, 6, 8, 10].map((o) => v.getUint16(record + o));
      if (id !== 6 || (platform !== 1 && platform !== 3)) continue;
      // Windows names are UTF-16 (big-endian); Macintosh ones single bytes.
      const step = platform === 3 ? 2 : 1;
      let name = '';
      for (let k = 0; k + step <= length; k += step)
        name += String.fromCharCode(step === 2 ? v.getUint16(strings + offset + k) : v.getUint8(strings + offset + k));
      // A PostScript name is printable ASCII without PDF's delimiters.
      if (/^[!-~]+$/.test(name) && !/[()<>[\]{}/%#]/.test(name)) return name;
    }
    return null;
  }

  table(tag) {
    const t = this.tables[tag];
    if (!t) throw new Error(`the font has no ${tag} table`);
    return t.offset;
  }

  /** The advance of glyph `gid` in font units. */
  advance(gid) {
    const hmtx = this.table('hmtx');
    const i = Math.min(gid, this.metricCount - 1);
    return this.view.getUint16(hmtx + 4 * i);
  }

  /** The glyph of Unicode code point `c`, 0 (the missing glyph) when none. */
  glyph(c) {
    return this.lookup(c);
  }

  // Prefers the full-repertoire subtable (format 12) over the BMP one (4).
  readCmap() {
    const cmap = this.table('cmap');
    const v = this.view;
    const count = v.getUint16(cmap + 2);
    let bmp = -1;
    for (let i = 0; i < count; i++) {
      const platform = v.getUint16(cmap + 4 + 8 * i);
      const encoding = v.getUint16(cmap + 6 + 8 * i);
      const at = cmap + v.getUint32(cmap + 8 + 8 * i);
      if (platform === 3 && encoding === 10 && v.getUint16(at) === 12) return this.format12(at);
      if (platform === 3 && encoding === 1 && v.getUint16(at) === 4) bmp = at;
    }
    if (bmp < 0) throw new Error('the font has no Unicode cmap');
    return this.format4(bmp);
  }

  format12(at) {
    const v = this.view;
    const groups = v.getUint32(at + 12);
    return (c) => {
      let lo = 0;
      let hi = groups - 1;
      while (lo <= hi) {
        const mid = (lo + hi) >> 1;
        const g = at + 16 + 12 * mid;
        if (c < v.getUint32(g)) hi = mid - 1;
        else if (c > v.getUint32(g + 4)) lo = mid + 1;
        else return v.getUint32(g + 8) + (c - v.getUint32(g));
      }
      return 0;
    };
  }

  format4(at) {
    const v = this.view;
    const segs = v.getUint16(at + 6) / 2;
    const ends = at + 14;
    const starts = ends + 2 * segs + 2;
    const deltas = starts + 2 * segs;
    const offsets = deltas + 2 * segs;
    return (c) => {
      if (c > 0xffff) return 0;
      for (let i = 0; i < segs; i++) {
        if (c > v.getUint16(ends + 2 * i)) continue;
        const start = v.getUint16(starts + 2 * i);
        if (c < start) return 0;
        const delta = v.getInt16(deltas + 2 * i);
        const offset = v.getUint16(offsets + 2 * i);
        if (offset === 0) return (c + delta) & 0xffff;
        const g = v.getUint16(offsets + 2 * i + offset + 2 * (c - start));
        return g === 0 ? 0 : (g + delta) & 0xffff;
      }
      return 0;
    };
  }
}
