// A font cut down to the glyphs a PDF uses, by HarfBuzz's subsetter
// (harfbuzzjs' harfbuzz-subset.wasm). Glyph numbers are kept, so a page's
// text, which names glyphs by number, needs no second mapping. No DOM here:
// a worker can use it too.

const RETAIN_GIDS = 0x2; // HB_SUBSET_FLAGS_RETAIN_GIDS
let subsetter = null;

async function instance() {
  if (!subsetter) {
    const url = new URL('harfbuzz-subset.wasm', import.meta.url);
    subsetter = fetch(url)
      .then((response) => {
        if (!response.ok) throw new Error('harfbuzz-subset.wasm could not be fetched');
        return response.arrayBuffer();
      })
      .then((bytes) => WebAssembly.instantiate(bytes))
      .then(({ instance: i }) => i.exports);
    subsetter.catch(() => { subsetter = null; });
  }
  return subsetter;
}

/** `bytes` (a TrueType font) with only the glyphs `gids` (and what they are built of). */
export async function subsetFont(bytes, gids) {
  const hb = await instance();
  const heap = () => new Uint8Array(hb.memory.buffer);
  const at = hb.malloc(bytes.length);
  heap().set(bytes, at);
  const blob = hb.hb_blob_create(at, bytes.length, 2 /* writable */, 0, 0);
  const face = hb.hb_face_create(blob, 0);
  hb.hb_blob_destroy(blob);
  const input = hb.hb_subset_input_create_or_fail();
  const glyphs = hb.hb_subset_input_glyph_set(input);
  for (const gid of gids) hb.hb_set_add(glyphs, gid);
  hb.hb_subset_input_set_flags(input, RETAIN_GIDS);
  const subset = hb.hb_subset_or_fail(face, input);
  hb.hb_subset_input_destroy(input);
  hb.hb_face_destroy(face);
  hb.free(at);
  if (!subset) throw new Error('the font could not be cut down to the glyphs used');
  const result = hb.hb_face_reference_blob(subset);
  const lengthAt = hb.malloc(4);
  const data = hb.hb_blob_get_data(result, lengthAt);
  const length = new DataView(hb.memory.buffer).getUint32(lengthAt, true);
  const out = heap().slice(data, data + length);
  hb.free(lengthAt);
  hb.hb_blob_destroy(result);
  hb.hb_face_destroy(subset);
  return out;
}
