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
    assert.equal(shape.controls.length, 12 + 1 + 4, 'the buttons, the level display, the selector');
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

  it('drags the level selector\'s thumb by a finger all the way to the last level', async () => {
    const thumb = await (await page.$('#levelscroll .thumb')).boundingBox();
    const track = await (await page.$('#levelscroll .track')).boundingBox();
    const y = thumb.y + thumb.height / 2;
    await page.touchscreen.touchStart(thumb.x + thumb.width / 2, y);
    for (let step = 1; step <= 12; ++step) await page.touchscreen.touchMove(thumb.x + thumb.width / 2 + step * track.width / 10, y);
    // The finger rests before it lifts: lifted while moving it would fling, and the browser spends
    // the next tap on stopping the fling.
    await new Promise((resolve) => setTimeout(resolve, 150));
    await page.touchscreen.touchEnd();
    await page.waitForFunction(() => !document.body.classList.contains('busy'));
    assert.equal(await web.hint(page, '#levelbox'), 'Level 500: unsolved');
    assert.equal(await page.$eval('#levelscroll', (scroll) => scroll.getAttribute('aria-valuenow')), '500');
  });

  // The chooser's buttons as the finger and a screen reader find them.
  const chooser = () => page.$eval('#levelchooser', (element) => ({
    shown: !element.hidden,
    frame: element.querySelector('[role="dialog"]').getBoundingClientRect().toJSON(),
    unseen: element.querySelector('.choices').scrollHeight - element.querySelector('.choices').clientHeight,
    buttons: Array.from(element.querySelectorAll('button'), (button) => {
      const { width, height } = button.getBoundingClientRect();
      return { text: button.textContent, name: button.getAttribute('aria-label'), width, height,
               current: button.hasAttribute('aria-current'), pressed: button.getAttribute('aria-pressed') };
    }),
    focused: document.activeElement.getAttribute('aria-label'),
  }));
  const tapButton = async (text) => {
    const buttons = await page.$$('#levelchooser button');
    for (const button of buttons) if (await button.evaluate((element) => element.textContent) === text) return button.tap();
    assert.fail(`no button ${text}`);
  };

  it('reaches level 137 in three taps through the level chooser, which marks the current level and the solved ones', async () => {
    await page.tap('#levelbutton');
    let shown = await chooser();
    assert.ok(shown.shown);
    assert.equal(shown.focused, 'Level 500', 'the current level has the focus');
    assert.deepEqual(shown.buttons.filter((button) => button.pressed === 'true').map((button) => button.text), ['451–500']);
    assert.deepEqual(shown.buttons.filter((button) => button.current).map((button) => button.text), ['500']);
    await tapButton('101–150');
    await tapButton('137');
    await page.waitForFunction(() => !document.body.classList.contains('busy'));
    assert.equal(await web.hint(page, '#levelbox'), 'Level 137: unsolved');
    assert.ok(!(await chooser()).shown);

    // Level 1, solved earlier, is marked so; Escape closes the chooser and gives the focus back.
    await page.tap('#levelbutton');
    await tapButton('1–50');
    shown = await chooser();
    assert.equal(shown.buttons.find((button) => button.text === '1').name, 'Level 1, solved');
    assert.equal(shown.buttons.find((button) => button.text === '2').name, 'Level 2');
    assert.equal(shown.buttons.find((button) => button.text === '1–50').name, 'Levels 1 to 50, 1 of them solved');
    await page.keyboard.press('Escape');
    assert.ok(!(await chooser()).shown);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'levelbutton');
    assert.equal(await web.hint(page, '#levelbox'), 'Level 137: unsolved', 'Escape chose nothing');
    await page.tap('#levelbutton');
    await tapButton('1–50');
    await tapButton('1');
    await page.waitForFunction(() => !document.body.classList.contains('busy'));
    assert.equal(await web.hint(page, '#levelbox'), 'Level 1: solved');
  });

  it('fits the level chooser on the screen upright and on its side, every button a fingertip, nothing to scroll', async () => {
    for (const [width, height] of [[390, 844], [844, 390]]) {
      await page.setViewport({ width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
      await page.tap('#levelbutton');
      const shown = await chooser();
      assert.ok(shown.frame.left >= 0 && shown.frame.top >= 0 && shown.frame.right <= width && shown.frame.bottom <= height,
                `${width} x ${height}: ${JSON.stringify(shown.frame)}`);
      assert.equal(shown.unseen, 0, `${width} x ${height}: the levels scroll`);
      assert.equal(shown.buttons.length, 1 + 10 + 50);
      for (const button of shown.buttons) assert.ok(button.width >= 44 && button.height >= 44, `${width} x ${height}: ${JSON.stringify(button)}`);
      await page.keyboard.press('Escape');
    }
    await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
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
