// A press on the board before the game can take it is kept, not lost: with the sounds, which the
// game takes last, held back on their way, the press waits, and plays once they are there.
'use strict';
const assert = require('node:assert/strict');
const path = require('node:path');
const { it } = require('node:test');
const web = require('./support');

it('plays a press made on the board while the game still starts, once the game takes presses', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 640, height: 560 });
    await page.setRequestInterception(true);
    let releaseSounds;
    const soundsHeld = new Promise((resolve) => { releaseSounds = resolve; });
    page.on('request', (request) => {
      if (request.url().endsWith('/sound0.rec')) soundsHeld.then(() => request.continue());
      else request.continue();
    });
    await page.goto(`http://127.0.0.1:${server.address().port}/?seed=12345`, { waitUntil: 'load' });
    await (await web.dialog(page, '[data-dialog="splash"]')).click();
    await (await (await web.dialog(page, '[data-dialog="language"]')).$('button.english')).click();
    await web.dialogGone(page, '[data-dialog="language"]');

    const tiles = web.readPpm(path.join(web.reference, 'tiles.ppm'));
    const board = async () => web.readBoard(await web.canvasRgb(page, '#box'), tiles);
    await new Promise((resolve) => setTimeout(resolve, 200));  // the turning car marks the selected tile
    const before = await board();
    const [cell] = web.solvingPresses(before, web.levelRecord(1), web.pictureIds(tiles));
    const pressed = { column: Math.floor(cell / 7), row: cell % 7 };
    await web.pressCell(page, pressed.column, pressed.row);
    assert.equal(await page.$('body[data-ready="1"]'), null, 'the game still waits for its sounds');
    await new Promise((resolve) => setTimeout(resolve, 200));
    assert.deepEqual(await board(), before, 'the press waits for the game');

    releaseSounds();
    await page.waitForSelector('body[data-ready="1"]');
    await new Promise((resolve) => setTimeout(resolve, 200));
    assert.deepEqual((await board()).selected, pressed);
  } finally {
    await browser.close();
    server.close();
  }
});
