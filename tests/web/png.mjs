// Reads the 8-bit grey, grey-alpha, RGB and RGBA PNG files gridora-sheet writes into RGBA
// pixels, so that a test can hold a canvas against them pixel for pixel.

import { inflateSync } from 'node:zlib';

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a);
  const pb = Math.abs(p - b);
  const pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

export function decodePng(file) {
  let at = 8;
  let width = 0;
  let height = 0;
  let channels = 0;
  const data = [];
  while (at < file.length) {
    const length = file.readUInt32BE(at);
    const type = file.toString('latin1', at + 4, at + 8);
    const body = file.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      const [depth, colourType, , , interlace] = body.subarray(8);
      channels = { 0: 1, 2: 3, 4: 2, 6: 4 }[colourType];
      if (depth !== 8 || interlace !== 0 || !channels)
        throw new Error(`unexpected PNG: depth ${depth}, colour type ${colourType}, interlace ${interlace}`);
    } else if (type === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const rows = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    const out = rows.subarray(y * stride, (y + 1) * stride);
    const prev = y > 0 ? rows.subarray((y - 1) * stride, y * stride) : Buffer.alloc(stride);
    for (let i = 0; i < stride; i++) {
      const a = i >= channels ? out[i - channels] : 0;
      const b = prev[i];
      const c = i >= channels ? prev[i - channels] : 0;
      const predictor = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      out[i] = (line[i] + predictor) & 255;
    }
  }
  const rgba = new Uint8Array(width * height * 4);
  const grey = channels < 3;
  for (let p = 0; p < width * height; p++) {
    const at = p * channels;
    for (let k = 0; k < 3; k++) rgba[4 * p + k] = rows[grey ? at : at + k];
    rgba[4 * p + 3] = channels % 2 === 0 ? rows[at + channels - 1] : 255;
  }
  return { width, height, rgba };
}
