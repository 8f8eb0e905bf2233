// The floor the benchmark measures the pages against: a page that loads one 520 x 376 picture
// and draws it into a canvas, the least a page showing our board can do. The picture is the
// solved level of the rules pages, a real board of the real size.
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const kWidth = 520, kHeight = 376;
const kSignature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);

const kPage = `<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Bare page</title></head><body>
<canvas id="picture" width="${kWidth}" height="${kHeight}"></canvas>
<script>
const picture = new Image();
picture.onload = () => document.getElementById('picture').getContext('2d').drawImage(picture, 0, 0);
picture.src = 'picture.png';
</script>
</body></html>
`;

// Width and height from a PNG's header chunk; throws on anything that is no PNG.
function pngSize(bytes) {
  if (bytes.length < 24 || !bytes.subarray(0, 8).equals(kSignature) || bytes.toString('latin1', 12, 16) !== 'IHDR') {
    throw new Error('not a PNG picture');
  }
  return { width: bytes.readUInt32BE(16), height: bytes.readUInt32BE(20) };
}

// The bare page's files, by address, from the built site's picture.
function barePages(site) {
  const file = path.join(site, 'help', 'solved_level.png');
  let picture;
  try {
    picture = fs.readFileSync(file);
  } catch (error) {
    throw new Error(`the bare page's picture is missing (${file}): ${error.message}`);
  }
  let size;
  try {
    size = pngSize(picture);
  } catch (error) {
    throw new Error(`the bare page's picture ${file} is ${error.message}`);
  }
  if (size.width !== kWidth || size.height !== kHeight) {
    throw new Error(`the bare page's picture ${file} is ${size.width} x ${size.height}, not ${kWidth} x ${kHeight}`);
  }
  return { '/index.html': kPage, '/picture.png': picture };
}

module.exports = { barePages, pngSize };
