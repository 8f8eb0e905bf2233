// What the page asks for first, and what it does with a press made before the game can take it:
// the toolbar's pictures are preloaded with the page; a press on the board is kept, not lost,
// while the sounds, which the game takes last, are held back on their way.
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

it('preloads exactly the toolbar\'s pictures with the page, as the game names them', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const page = await web.openPage(browser, `http://127.0.0.1:${server.address().port}/`);
    await page.waitForFunction(() => window.Module?._vl_description);
    const [preloaded, named] = await page.evaluate(() => [
      [...document.querySelectorAll('link[rel="preload"][as="image"]')].map((link) => link.getAttribute('href')),
      JSON.parse(window.Module.UTF8ToString(window.Module._vl_description())).toolbar.buttons
        .map((button) => 'assets/' + button.picture + '.bmp'),
    ]);
    assert.deepEqual(preloaded.sort(), [...new Set(named)].sort());
  } finally {
    await browser.close();
    server.close();
  }
});
