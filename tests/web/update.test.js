// A player who came before gets the next build: its service worker, under a new cache name,
// takes over the page once it has cached the new files, and the next load shows them.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { it } = require('node:test');
const web = require('./support');

it('shows a new build after an update, once its service worker has taken over', async () => {
  const files = {};
  const server = await web.serveSite(files);
  const browser = await web.launch();
  try {
    const page = await web.openPage(browser, `http://127.0.0.1:${server.address().port}/`);
    await (await web.dialog(page, '[data-dialog="splash"]')).click();
    await (await web.dialog(page, '[data-dialog="language"]')).$eval('button.english', (button) => button.click());
    await page.waitForSelector('body[data-ready="1"]');
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 20000 });

    // The next build: another page, and so another cache name.
    const read = (name) => fs.readFileSync(path.join(web.site, name), 'utf8');
    const nextPage = read('index.html').replace('<head>', '<head>\n<meta name="verlumo-build" content="next">');
    files['/'] = files['/index.html'] = nextPage;
    const worker = read('service-worker.js');
    files['/service-worker.js'] = { type: 'text/javascript', body: worker.replace(/verlumo-[0-9a-f]+/, 'verlumo-next') };
    const takenOver = page.evaluate(() => new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve)));
    await page.evaluate(async () => (await navigator.serviceWorker.getRegistration()).update());
    await takenOver;

    await page.reload({ waitUntil: 'load' });
    assert.ok(await page.$('meta[name="verlumo-build"]'), 'the new page is shown');
    assert.deepEqual(await page.evaluate(() => caches.keys()), ['verlumo-next'], 'the old build\'s cache is gone');
    await (await web.dialog(page, '[data-dialog="splash"]')).click();
    await page.waitForSelector('body[data-ready="1"]');
    assert.deepEqual(page.errors, []);
  } finally {
    await browser.close();
    server.close();
  }
});
