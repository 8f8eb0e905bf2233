// The board area and the level counter on the page's canvases are, pixel for pixel, what the
// native build of the same view draws into memory for the same level and shuffle seed.
'use strict';
const assert = require('node:assert/strict');
const path = require('node:path');
const { it } = require('node:test');
const web = require('./support');

// The reference tool drew these with this seed (scripts/test passes the same).
const kSeed = process.env.VERLUMO_REFERENCE_SEED || '12345';

function firstDifference(actual, expected, width) {
  const i = actual.findIndex((value, index) => value !== expected[index]);
  return i < 0 ? 'none' : `at (${Math.floor(i / 3) % width}, ${Math.floor(i / 3 / width)})`;
}

it('shows the board area and the level counter exactly as the native view draws them', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    // A still page: no timer ticks, so the turning car moves only when told.
    const page = await web.openPage(browser, `http://127.0.0.1:${server.address().port}/?seed=${kSeed}&still`);
    await page.waitForFunction(() => document.title.startsWith('Verlumo V'));
    for (const [selector, file] of [['#box', 'board_paint.ppm'], ['#levelbox', 'counter.ppm']]) {
      const expected = web.readPpm(path.join(web.reference, file));
      const actual = await web.canvasRgb(page, selector);
      assert.ok(actual.equals(expected.rgb), `${selector} differs from ${file}, first ${firstDifference(actual, expected.rgb, expected.width)}`);
    }
    await page.evaluate(() => window.verlumoPage.tick());
    const expected = web.readPpm(path.join(web.reference, 'board_tick.ppm'));
    const actual = await web.canvasRgb(page, '#box');
    assert.ok(actual.equals(expected.rgb), `the tick differs, first ${firstDifference(actual, expected.rgb, 520)}`);
    assert.deepEqual(page.errors, []);
  } finally {
    await browser.close();
    server.close();
  }
});
