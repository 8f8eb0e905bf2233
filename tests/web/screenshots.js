// The page's main window and its dialogs as pictures, 1:1, to be looked at (run by hand):
//   node screenshots.js <folder>    with VERLUMO_SITE naming the built site to show
// Each dialog is opened as the game opens it; the whole page is shot too, to judge placement.
'use strict';
const fs = require('node:fs');
const path = require('node:path');
const web = require('./support');

const folder = path.resolve(process.argv[2] || 'screenshots');

(async () => {
  fs.mkdirSync(folder, { recursive: true });
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const page = await web.openPage(browser, `http://127.0.0.1:${server.address().port}/?seed=12345&still`);
    const shoot = async (name, selector) => {
      await new Promise((resolve) => setTimeout(resolve, 150));
      await (await page.$(selector)).screenshot({ path: path.join(folder, name + '.png') });
      await page.screenshot({ path: path.join(folder, name + '-page.png') });
    };
    await shoot('splash', await web.dialog(page, '[data-dialog="splash"]') && '#modal [data-dialog="splash"]');
    await page.click('#modal [data-dialog="splash"]');
    await web.dialog(page, '[data-dialog="language"]');
    await shoot('language', '#modal [data-dialog="language"]');
    await page.click('#modal [data-dialog="language"] button.english');
    await page.waitForSelector('body[data-ready="1"]');
    await shoot('main', '#window');
    for (const [name, message] of [['solved', 0], ['allSolved', 1], ['restart', 2], ['giveUp', 3], ['endGame', 4]]) {
      page.evaluate((n, dialogName) => window.verlumoPage.askMessage(n, dialogName), message, name).catch(() => {});  // settles on the click
      await web.dialog(page, `[data-message="${message}"]`);
      await shoot(name, `#modal [data-message="${message}"]`);
      await page.click(`#modal [data-message="${message}"] button.ok`);
      await web.dialogGone(page, `[data-message="${message}"]`);
    }
    await page.click('[data-command="10"]');
    await shoot('info', (await web.dialog(page, '[data-dialog="info"]')) && '#modal [data-dialog="info"]');
    await page.click('#modal [data-dialog="info"] button.ok');
    await page.click('[data-command="3"]');
    await shoot('save', (await web.dialog(page, '[data-dialog="save"]')) && '#modal [data-dialog="save"]');
    await page.keyboard.press('Escape');
    await web.dialogGone(page, '[data-dialog="save"]');
    page.evaluate(() => window.verlumoPage.showError('The file cannot be read.')).catch(() => {});
    await new Promise((resolve) => setTimeout(resolve, 300));
    await shoot('error', '#modal .dialog');
  } finally {
    await browser.close();
    server.close();
  }
})();
