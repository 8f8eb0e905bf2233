// The page on a phone held upright (390 x 844, touch, three device pixels to the CSS pixel), as a
// newcomer meets it: fitted to the screen, played with the fingers, and played again offline.
'use strict';
const assert = require('node:assert/strict');
const { after, before, describe, it } = require('node:test');
const web = require('./support');

describe('Verlumo on a phone', () => {
  let server, browser, page;

  before(async () => {
    server = await web.serveSite();
    browser = await web.launch();
    page = await browser.newPage();
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    await page.emulate({ viewport: { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
                         userAgent: await browser.userAgent() });
    await page.goto(`http://127.0.0.1:${server.address().port}/`, { waitUntil: 'load' });
    await (await web.dialog(page, '[data-dialog="splash"]')).tap();
    await (await web.dialog(page, '[data-dialog="language"]')).$eval('button.english', (button) => button.click());
    await page.waitForSelector('body[data-ready="1"]');
  });

  after(async () => {
    await browser?.close();
    server?.close();
  });

  it('fills the width with the board, without sideways scrolling, and gives every toolbar control a fingertip', async () => {
    const shape = await page.evaluate(() => ({
      viewport: document.querySelector('meta[name="viewport"]')?.content,
      pageWidth: document.documentElement.scrollWidth,
      screenWidth: innerWidth,
      boardWidth: document.getElementById('box').getBoundingClientRect().width,
      controls: Array.from(document.querySelectorAll('#toolbar button, #levelscroll, #levelscroll .arrow, #levelscroll .thumb'),
                           (control) => { const { width, height } = control.getBoundingClientRect(); return { width, height }; }),
    }));
    assert.match(shape.viewport, /width=device-width/);
    assert.equal(shape.screenWidth, 390);
    assert.ok(shape.pageWidth <= 390, `the page is ${shape.pageWidth} px wide`);
    assert.ok(shape.boardWidth >= 0.9 * 390, `the board is ${shape.boardWidth} px wide`);
    assert.equal(shape.controls.length, 12 + 4);
    for (const control of shape.controls) assert.ok(control.width >= 44 && control.height >= 44, JSON.stringify(control));
  });

  it('solves level 1 with taps', async () => {
    const solved = await web.solveLevel(page, 1, async (column, row) => {
      const { x, y } = await web.cellPoint(page, column, row);
      await page.touchscreen.tap(x, y);
    });
    assert.ok(solved, 'the Solved announcement is shown');
    await page.tap('#modal [data-message="0"] button.ok');
    await web.dialogGone(page, '[data-message="0"]');
    assert.equal(await web.hint(page, '#levelbox'), 'Level 1: solved');
  });

  it('shows a control\'s hint to a finger held on it, and the held press does not act', async () => {
    const { x, y, width, height } = await (await page.$('[data-command="7"]')).boundingBox();
    await page.touchscreen.touchStart(x + width / 2, y + height / 2);
    await page.waitForSelector('#touchhint:not([hidden])');
    await page.touchscreen.touchEnd();
    assert.equal(await page.$eval('#touchhint', (tip) => tip.textContent), await web.hint(page, '[data-command="7"]'));
    assert.equal(await web.hint(page, '#levelbox'), 'Level 1: solved', 'still on level 1');
    assert.deepEqual(page.errors, []);
  });

  it('installs from its manifest, and plays a reload with the network gone once its service worker controls it', async () => {
    const manifest = await page.evaluate(async () => (await fetch(document.querySelector('link[rel="manifest"]').href)).json());
    assert.equal(manifest.display, 'standalone');
    assert.deepEqual(manifest.icons.map((icon) => icon.sizes), ['192x192', '512x512']);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });
    server.closeAllConnections();
    await new Promise((resolve) => server.close(resolve));
    server = null;
    await page.setOfflineMode(true);
    await page.reload({ waitUntil: 'load' });
    await (await web.dialog(page, '[data-dialog="splash"]')).tap();
    await page.waitForSelector('body[data-ready="1"]');
    assert.equal(await web.hint(page, '#levelbox'), 'Level 1: solved', 'the progress kept');
    const colours = new Set();
    const rgb = await web.canvasRgb(page, '#box');
    for (let i = 0; i < rgb.length; i += 3 * 97) colours.add(rgb.readUIntBE(i, 3));
    assert.ok(colours.size > 20, `the board is drawn: ${colours.size} colours`);
    assert.deepEqual(page.errors, []);
  });
});
