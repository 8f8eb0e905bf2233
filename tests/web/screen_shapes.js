// The page on the screens players have, to be looked at (run by hand):
//   node screen_shapes.js <folder>    with VERLUMO_SITE naming the built site to show
// A phone upright and on its side, a tablet and a desktop, in English and German, each with the
// game as it starts, with the keyboard's cell cursor, with the level chooser on touch screens, and
// with the Solved announcement over it.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const web = require('./support');

const folder = path.resolve(process.argv[2] || 'screen-shapes');

(async () => {
  fs.mkdirSync(folder, { recursive: true });
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    for (const [shape, width, height] of [['phone', 390, 844], ['phone-landscape', 844, 390], ['tablet', 820, 1180], ['desktop', 1280, 800]]) {
      const touch = shape !== 'desktop';
      for (const language of ['english', 'german']) {
        // A fresh context each time: a newcomer, asked the language.
        const context = await browser.createBrowserContext();
        const page = await context.newPage();
        await page.emulate({ viewport: { width, height, deviceScaleFactor: 1, isMobile: touch, hasTouch: touch }, userAgent: await browser.userAgent() });
        await page.goto(`http://127.0.0.1:${server.address().port}/?seed=12345&still`, { waitUntil: 'load' });
        await (await web.dialog(page, '[data-dialog="splash"]')).click();
        await (await web.dialog(page, '[data-dialog="language"]')).$eval(`button.${language}`, (button) => button.click());
        await page.waitForSelector('body[data-ready="1"]');
        const name = `${shape}-${width}x${height}-${language}`;
        await page.screenshot({ path: path.join(folder, name + '.png') });
        // The board with the keyboard's focus and its cell cursor.
        await page.focus('#box');
        await page.keyboard.press('ArrowRight');
        await page.screenshot({ path: path.join(folder, name + '-keyboard.png') });
        // The touch toolbar's level chooser, opened by a tap on the level display.
        if (touch) {
          await page.tap('#levelbutton');
          await page.screenshot({ path: path.join(folder, name + '-levels.png') });
          await page.keyboard.press('Escape');
        }
        page.evaluate(() => window.verlumoPage.askMessage(0, 'solved')).catch(() => {});
        await web.dialog(page, '[data-message="0"]');
        await page.screenshot({ path: path.join(folder, name + '-solved.png') });
        await context.close();
      }
    }
  } finally {
    await browser.close();
    server.close();
  }
})();
