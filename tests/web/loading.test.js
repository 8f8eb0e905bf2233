// What the page asks for first, and what it does with a press made before the game can take it:
// the module holds the toolbar's pictures and the level file; a press on the board is kept, not
// lost, while the sounds, which the game takes last, are held back on their way.
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

it('draws the first board\'s toolbar from the module, asking for neither its pictures nor the level file', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const page = await browser.newPage();
    const requested = [];
    page.on('request', (request) => requested.push(new URL(request.url()).pathname));
    await page.goto(`http://127.0.0.1:${server.address().port}/`, { waitUntil: 'load' });
    await page.waitForFunction(() => performance.getEntriesByName('verlumo-first-board').length > 0);
    const [named, drawn] = await page.evaluate(() => [
      JSON.parse(window.Module.UTF8ToString(window.Module._vl_description())).toolbar.buttons.map((button) => button.picture),
      [...document.querySelectorAll('#toolbar canvas:not(#levelbox)')].map((canvas) => {
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        return data.some((value, i) => i % 4 === 3 && value === 255);
      }),
    ]);
    assert.equal(drawn.length, named.length, 'a picture on each button');
    assert.ok(drawn.every(Boolean), 'every button shows its picture');
    const asked = requested.filter((address) => address === '/assets/vlmo.dat' ||
                                                named.some((name) => address === `/assets/${name}.bmp`));
    assert.deepEqual(asked, []);
  } finally {
    await browser.close();
    server.close();
  }
});
