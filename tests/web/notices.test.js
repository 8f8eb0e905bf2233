// A browser that cannot run the game, or refuses to keep the progress, is told so on the page;
// without storage the game is played all the same.
'use strict';
const assert = require('node:assert/strict');
const { it } = require('node:test');
const web = require('./support');

it('tells a browser without WebAssembly, or one that refuses storage, why, and plays without storage', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  const address = `http://127.0.0.1:${server.address().port}/`;
  const notice = (page) => page.$eval('#notice', (element) => (element.hidden ? '' : element.textContent));
  try {
    const withoutWasm = await browser.newPage();
    await withoutWasm.evaluateOnNewDocument(() => { delete window.WebAssembly; });
    await withoutWasm.goto(address, { waitUntil: 'load' });
    assert.match(await notice(withoutWasm), /cannot run Verlumo: it has no WebAssembly/);

    const withoutStorage = await browser.newPage();
    await withoutStorage.evaluateOnNewDocument(() => {
      Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('refused', 'SecurityError'); } });
    });
    await withoutStorage.goto(address, { waitUntil: 'load' });
    await (await web.dialog(withoutStorage, '[data-dialog="splash"]')).click();
    await (await web.dialog(withoutStorage, '[data-dialog="language"]')).$eval('button.english', (button) => button.click());
    await withoutStorage.waitForSelector('body[data-ready="1"]');
    assert.match(await notice(withoutStorage), /refuses to keep your progress/);
    await withoutStorage.focus('#levelscroll');
    await withoutStorage.keyboard.press('End');
    assert.equal(await web.hint(withoutStorage, '#levelbox'), 'Level 500: unsolved');
  } finally {
    await browser.close();
    server.close();
  }
});
