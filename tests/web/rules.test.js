// The rules pages as the page serves them beside the game, on a phone upright and sideways:
// laid out at the phone's width, not shrunk from a desktop's, with text a phone reads without
// zooming and no picture or table wider than the screen. A picture of each is left in
// build/web/rules-phone to look at.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { it } = require('node:test');
const web = require('./support');

const shots = path.join(web.site, '..', 'rules-phone');

it('reflows both rules pages to a phone, upright and sideways, with text of at least 16 px', async () => {
  fs.mkdirSync(shots, { recursive: true });
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const page = await browser.newPage();
    for (const [width, height] of [[390, 844], [844, 390]]) {
      await page.emulate({ viewport: { width, height, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
                           userAgent: await browser.userAgent() });
      for (const name of ['rules', 'regeln']) {
        await page.goto(`http://127.0.0.1:${server.address().port}/help/${name}.htm`, { waitUntil: 'load' });
        const shape = await page.evaluate(() => {
          const shown = (element) => element.getBoundingClientRect().height > 0;
          const texts = Array.from(document.querySelectorAll('p, li, td')).filter(shown);
          return {
            screen: innerWidth,
            page: document.documentElement.scrollWidth,
            smallestText: Math.min(...texts.map((text) => parseFloat(getComputedStyle(text).fontSize))),
            widest: Math.max(...Array.from(document.querySelectorAll('img, table'), (box) => box.getBoundingClientRect().right)),
            pictures: document.images.length,
          };
        });
        const where = `${name}.htm at ${width} x ${height}`;
        assert.equal(shape.screen, width, `${where} is laid out at the phone's width`);
        assert.ok(shape.page <= width, `${where} scrolls sideways: ${shape.page} px wide`);
        assert.ok(shape.widest <= width, `${where} has a picture or table reaching ${shape.widest} px`);
        assert.ok(shape.smallestText >= 16, `${where} has text of ${shape.smallestText} px`);
        assert.ok(shape.pictures > 5);
        await page.screenshot({ path: path.join(shots, `${name}-${width}x${height}.png`), fullPage: true });
      }
    }
  } finally {
    await browser.close();
    server.close();
  }
});
