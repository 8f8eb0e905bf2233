// A player with a keyboard alone: the splash and the language question answered by keys, Tab to
// the board, level 1 solved with the arrow keys and Enter, and a dialog that keeps the focus and
// answers Escape.
'use strict';
const assert = require('node:assert/strict');
const { it } = require('node:test');
const web = require('./support');

const focused = (page) => page.evaluate(() => document.activeElement?.id || document.activeElement?.className);

// Tab until the element the selector names has the focus.
async function tabTo(page, selector) {
  for (let stops = 0; stops < 30; ++stops) {
    if (await page.evaluate((s) => document.activeElement === document.querySelector(s), selector)) return;
    await page.keyboard.press('Tab');
  }
  assert.fail(`Tab never reaches ${selector}`);
}

it('lets a keyboard player solve level 1, and keeps Tab inside a dialog until Escape closes it', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const page = await web.openPage(browser, `http://127.0.0.1:${server.address().port}/`);
    await web.dialog(page, '[data-dialog="splash"]');
    await page.keyboard.press('Escape');
    await web.dialog(page, '[data-dialog="language"]');
    assert.equal(await focused(page), 'english default', 'the language question waits on its default button');
    await page.keyboard.press('Enter');
    await page.waitForSelector('body[data-ready="1"]');

    await tabTo(page, '#box');
    assert.equal(await page.$eval('#box', (box) => box.getAttribute('aria-label')),
                 'Board: the arrow keys choose a cell, Enter or Space swaps it with the car');
    assert.ok(await page.$('#cellcursor:not([hidden])'), 'the cell cursor shows on the focused board');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowUp');
    assert.equal(await page.$eval('#announce', (region) => region.textContent), 'Column 5, row 4', 'where the cursor is');
    let cursor = { column: 4, row: 3 };
    const solved = await web.solveLevel(page, 1, async (column, row) => {
      for (; cursor.column < column; ++cursor.column) await page.keyboard.press('ArrowRight');
      for (; cursor.column > column; --cursor.column) await page.keyboard.press('ArrowLeft');
      for (; cursor.row < row; ++cursor.row) await page.keyboard.press('ArrowDown');
      for (; cursor.row > row; --cursor.row) await page.keyboard.press('ArrowUp');
      await page.keyboard.press(cursor.row % 2 ? 'Enter' : ' ');
    });
    assert.ok(solved, 'the Solved announcement is shown');
    assert.equal(await focused(page), 'ok default', 'Enter answers the announcement');
    await page.keyboard.press('Enter');
    await web.dialogGone(page, '[data-message="0"]');
    assert.equal(await page.$eval('#announce', (region) => region.textContent), 'Level 1: solved');
    assert.equal(await focused(page), 'box', 'the focus is back on the board');

    await tabTo(page, '[data-command="10"]');
    await page.keyboard.press('Enter');
    await web.dialog(page, '[data-dialog="info"]');
    for (let stops = 0; stops < 8; ++stops) {
      await page.keyboard.press('Tab');
      assert.ok(await page.evaluate(() => document.activeElement.closest('[data-dialog="info"]') !== null), 'Tab stays in the dialog');
    }
    await page.keyboard.press('Escape');
    await web.dialogGone(page, '[data-dialog="info"]');
    assert.deepEqual(page.errors, []);
  } finally {
    await browser.close();
    server.close();
  }
});
