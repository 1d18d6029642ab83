// Reading the pictures the browser tests compare: PNG screenshots of the browser and the
// 24-bit BMP pictures of the headless runner, both as { width, height, rgb(x, y) } with
// colours as 0xRRGGBB.
'use strict';
const zlib = require('node:zlib');

function decodePng(bytes) {
  if (bytes.readUInt32BE(0) !== 0x89504e47) throw new Error('not a PNG');
  let at = 8, width = 0, height = 0, depth = 0, type = 0, interlace = 0;
  const data = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at);
    const kind = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (kind === 'IHDR') {
      width = body.readUInt32BE(0), height = body.readUInt32BE(4);
      depth = body[8], type = body[9], interlace = body[12];
    } else if (kind === 'IDAT') {
      data.push(body);
    }
    at += 12 + length;
  }
  const channels = { 2: 3, 6: 4 }[type];
  if (depth !== 8 || !channels || interlace) throw new Error(`PNG kind ${depth}/${type} not read`);
  const raw = zlib.inflateSync(Buffer.concat(data));
  const stride = width * channels;
  const out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let i = 0; i < stride; ++i) {
      const a = i >= channels ? out[y * stride + i - channels] : 0;
      const b = y > 0 ? out[(y - 1) * stride + i] : 0;
      const c = i >= channels && y > 0 ? out[(y - 1) * stride + i - channels] : 0;
      let p = line[i];
      if (filter === 1) p += a;
      else if (filter === 2) p += b;
      else if (filter === 3) p += (a + b) >> 1;
      else if (filter === 4) {
        const pa = Math.abs(b - c), pb = Math.abs(a - c), pc = Math.abs(a + b - 2 * c);
        p += pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
      }
      out[y * stride + i] = p & 255;
    }
  }
  const rgb = (x, y) => {
    const i = y * stride + x * channels;
    return (out[i] << 16) | (out[i + 1] << 8) | out[i + 2];
  };
  return { width, height, rgb };
}

function decodeBmp(bytes) {
  const offset = bytes.readUInt32LE(10);
  const width = bytes.readInt32LE(18), rows = bytes.readInt32LE(22);
  if (bytes.readUInt16LE(28) !== 24) throw new Error('not a 24-bit BMP');
  const height = Math.abs(rows);
  const stride = (width * 3 + 3) & ~3;
  const rgb = (x, y) => {
    const i = offset + (rows > 0 ? height - 1 - y : y) * stride + x * 3;
    return (bytes[i + 2] << 16) | (bytes[i + 1] << 8) | bytes[i];
  };
  return { width, height, rgb };
}

// The game's picture inside a screenshot: the canvas at (left, top) shows each game pixel as a
// factor x factor block. Answers the picture sampled at the blocks, and how many blocks are not
// of one colour (a scaling that is not nearest neighbour).
function gamePicture(shot, left, top, factor, width, height) {
  const pixels = new Uint32Array(width * height);
  let blurred = 0;
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const sx = left + x * factor, sy = top + y * factor;
      const c = shot.rgb(sx, sy);
      pixels[y * width + x] = c;
      if (shot.rgb(sx + factor - 1, sy + factor - 1) !== c) ++blurred;
    }
  }
  return { width, height, rgb: (x, y) => pixels[y * width + x], blurred };
}

// How many pixels of the rectangle differ between two pictures.
function differingPixels(a, b, x0 = 0, y0 = 0, x1 = a.width, y1 = a.height) {
  let n = 0;
  for (let y = y0; y < y1; ++y)
    for (let x = x0; x < x1; ++x) n += a.rgb(x, y) !== b.rgb(x, y);
  return n;
}

module.exports = { decodePng, decodeBmp, gamePicture, differingPixels };
