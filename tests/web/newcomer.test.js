// A newcomer's first visit, on a phone upright and sideways and on a desktop: the loading sign and
// a line over the game say what to do (on a touch screen also how to read a button's hint), and
// every dialog fits the screen with its buttons and close box at finger size on a touch screen.
// The second visit goes straight to the game. Pictures of each dialog are left in
// build/web/newcomer to look at.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { it } = require('node:test');
const web = require('./support');

const shots = path.join(web.site, '..', 'newcomer');

// Every dialog the game can show, opened as the game opens it, then closed by its first button.
const kDialogs = [
  ['solved', (page) => page.evaluate(() => { window.verlumoPage.askMessage(0, 'solved'); })],
  ['restart', (page) => page.evaluate(() => { window.verlumoPage.askMessage(2, 'restart'); })],
  ['info', (page) => page.$eval('[data-command="10"]', (button) => button.click())],
  ['save', (page) => page.$eval('[data-command="3"]', (button) => button.click())],
  ['warning', (page) => page.evaluate(() => { window.verlumoPage.askYesNo('Overwrite my game.vlm?'); })],
  ['error', (page) => page.evaluate(() => { window.verlumoPage.showError('The file cannot be read.'); })],
];

// Sizes and places of what the open dialog offers a finger, and of the dialog itself.
function dialogShape(page) {
  return page.evaluate(() => {
    const box = (element) => { const { left, top, right, bottom, width, height } = element.getBoundingClientRect(); return { left, top, right, bottom, width, height }; };
    const frame = document.querySelector('#modal .dialog');
    return { frame: box(frame), targets: Array.from(frame.querySelectorAll('button'), (button) => ({ name: button.className, ...box(button) })) };
  });
}

function assertFits(shape, width, height, where) {
  const { frame } = shape;
  assert.ok(frame.left >= 0 && frame.top >= 0 && frame.right <= width && frame.bottom <= height,
            `${where}: the dialog leaves the screen: ${JSON.stringify(frame)}`);
}

async function visit(browser, server, { width, height, touch, language, userAgent }) {
  const page = await browser.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error.message));
  await page.emulate({ viewport: { width, height, deviceScaleFactor: 2, isMobile: touch, hasTouch: touch }, userAgent });
  await page.goto(`http://127.0.0.1:${server.address().port}/?seed=12345`, { waitUntil: 'load' });
  const where = `${width} x ${height}`;
  await web.dialog(page, '[data-dialog="splash"]');
  await page.click('#modal [data-dialog="splash"]');
  await web.dialog(page, '[data-dialog="language"]');
  const languageShape = await dialogShape(page);
  await page.screenshot({ path: path.join(shots, `${width}x${height}-language.png`) });
  await page.click(`#modal [data-dialog="language"] button.${language}`);
  await page.waitForSelector('body[data-ready="1"]');
  return { page, where, languageDialog: languageShape };
}

it('teaches a newcomer the goal, and fits every dialog to a phone at finger size, upright and sideways', async () => {
  fs.mkdirSync(shots, { recursive: true });
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    for (const [width, height, language] of [[390, 844, 'english'], [844, 390, 'german']]) {
      const context = await browser.createBrowserContext();  // a first visit each time
      const { page, where, languageDialog } =
        await visit(context, server, { width, height, touch: true, language, userAgent: await browser.userAgent() });
      const goal = await page.$eval('#goal', (line) => ({ shown: !line.hidden, text: line.textContent, ...line.getBoundingClientRect().toJSON() }));
      assert.ok(goal.shown, `${where}: the goal shows on a first visit`);
      assert.match(goal.text, language === 'german' ? /^Tausche die Teile, bis jede Straße .* Halte einen Finger auf eine Schaltfläche/
                                                    : /^Swap the tiles until every road .* Hold a finger on a button/);
      assert.ok(goal.right <= width && goal.bottom <= height, `${where}: the goal line is on the screen`);
      for (const part of ['#window', '#toolbar']) {
        const box = await page.$eval(part, (element) => element.getBoundingClientRect().toJSON());
        assert.ok(box.bottom <= height && box.right <= width && box.top >= goal.bottom, `${where}: ${part} fits under the goal line`);
      }
      // The loading sign, shown again as it was before the game came, stays inside the screen.
      const loading = await page.$eval('#loading', (sign) => {
        sign.hidden = false;
        const widest = Math.max(...Array.from(sign.children, (line) => line.getBoundingClientRect().right));
        const size = { widest, scrollWidth: sign.scrollWidth, clientWidth: sign.clientWidth };
        sign.hidden = true;
        return size;
      });
      assert.ok(loading.widest <= width && loading.scrollWidth <= loading.clientWidth, `${where}: the loading sign fits: ${JSON.stringify(loading)}`);
      for (const shape of [languageDialog]) assertFits(shape, width, height, `${where} language`);
      for (const [name, open] of kDialogs) {
        await open(page);
        await web.dialog(page, `[data-dialog="${name}"]`);
        await new Promise((resolve) => setTimeout(resolve, 100));
        const shape = await dialogShape(page);
        assertFits(shape, width, height, `${where} ${name}`);
        for (const target of [...languageDialog.targets, ...shape.targets]) {
          assert.ok(target.width >= 44 && target.height >= 44, `${where} ${name}: ${target.name} is ${target.width} x ${target.height}`);
        }
        await page.screenshot({ path: path.join(shots, `${width}x${height}-${name}.png`) });
        await page.$eval('#modal .dialog .buttons button', (button) => button.click());
        await page.waitForFunction(() => document.getElementById('modal').hidden);
      }
      // Nothing sticks out of the touch toolbar.
      const outside = await page.$eval('#toolbar', (bar) => {
        const outer = bar.getBoundingClientRect();
        return Array.from(bar.querySelectorAll('*'), (child) => [child.id || child.className, child.getBoundingClientRect()])
          .filter(([, box]) => box.width > 0 && (box.left < outer.left - 0.5 || box.right > outer.right + 0.5 ||
                                                 box.top < outer.top - 0.5 || box.bottom > outer.bottom + 0.5))
          .map(([name]) => name);
      });
      assert.deepEqual(outside, [], `${where}: controls outside the toolbar`);

      // The next visit goes straight to the game.
      await page.reload({ waitUntil: 'load' });
      await web.dialog(page, '[data-dialog="splash"]');
      await page.click('#modal [data-dialog="splash"]');
      await page.waitForSelector('body[data-ready="1"]');
      assert.equal(await page.$eval('#goal', (line) => line.hidden), true, `${where}: the goal line is for the first visit only`);
      assert.deepEqual(page.errors, []);
      await context.close();
    }
  } finally {
    await browser.close();
    server.close();
  }
});

it('keeps the Windows look of the dialogs on a desktop, and tells the goal without the touch hint', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const { page, where } = await visit(browser, server, { width: 1280, height: 800, touch: false, language: 'english',
                                                      userAgent: await browser.userAgent() });
    assert.equal(await page.$eval('#goal', (line) => line.textContent),
                 'Swap the tiles until every road joins its neighbour and none runs off the board.');
    await page.$eval('[data-command="3"]', (button) => button.click());
    await web.dialog(page, '[data-dialog="save"]');
    const shape = await dialogShape(page);
    assert.equal(await page.$('#modal .fingers'), null, `${where}: no finger-sized dialogs`);
    assert.ok(shape.targets.every((target) => target.height < 44), `${where}: the buttons keep their size`);
  } finally {
    await browser.close();
    server.close();
  }
});
