'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const { barePages, pngSize } = require('./bare_page');

// The first bytes of a PNG: the signature and the header chunk with the picture's size.
function pngHeader(width, height) {
  const header = Buffer.alloc(33);
  Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]).copy(header);
  header.writeUInt32BE(13, 8);
  header.write('IHDR', 12, 'latin1');
  header.writeUInt32BE(width, 16);
  header.writeUInt32BE(height, 20);
  return header;
}

test('a PNG\'s size is read from its header; anything else is refused', () => {
  assert.deepEqual(pngSize(pngHeader(520, 376)), { width: 520, height: 376 });
  assert.throws(() => pngSize(pngHeader(520, 376).subarray(0, 23)), /not a PNG/);
  assert.throws(() => pngSize(Buffer.from('GIF89a' + ' '.repeat(30))), /not a PNG/);
  const noHeader = pngHeader(520, 376);
  noHeader.write('IDAT', 12, 'latin1');
  assert.throws(() => pngSize(noHeader), /not a PNG/);
});

test('the bare page draws the site\'s board picture, which must be there and 520 x 376', (t) => {
  const site = fs.mkdtempSync(path.join(os.tmpdir(), 'bare-page-test-'));
  t.after(() => fs.rmSync(site, { recursive: true, force: true }));
  const picture = path.join(site, 'help', 'solved_level.png');
  assert.throws(() => barePages(site), /the bare page's picture is missing \(.*solved_level.png\)/);
  fs.mkdirSync(path.dirname(picture));
  fs.writeFileSync(picture, 'not a picture');
  assert.throws(() => barePages(site), /solved_level.png is not a PNG picture/);
  fs.writeFileSync(picture, pngHeader(384, 96));
  assert.throws(() => barePages(site), /is 384 x 96, not 520 x 376/);

  fs.writeFileSync(picture, pngHeader(520, 376));
  const pages = barePages(site);
  assert.deepEqual(Object.keys(pages).sort(), ['/index.html', '/picture.png']);
  assert.deepEqual(pages['/picture.png'], pngHeader(520, 376));
  assert.match(pages['/index.html'], /<canvas id="picture" width="520" height="376">/);
  assert.match(pages['/index.html'], /picture.src = 'picture.png'/);
});
