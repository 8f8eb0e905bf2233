// A player with a keyboard and a screen reader: level 1 and then level 4, the first with fixed
// tiles, solved by a player who only hears, reading every cell by walking the cell cursor; the
// cursor shown over the board while the keys play it; the toolbar's controls named for what they
// do in both languages; and a dialog that keeps the focus and answers Escape.
'use strict';
const assert = require('node:assert/strict');
const { it } = require('node:test');
const web = require('./support');
const { kColumns, kRows, tileOf, solvingPresses } = require('./road_words');
const { ScreenReader, waitFor } = require('./screen_reader');

const kBoardName = 'Board: the arrow keys choose a cell, Enter or Space swaps it with the car, L tells the loose road ends';

// The page of a newcomer who answers the splash and the language question by keys.
async function startGame(browser, server) {
  let reader;
  const page = await web.openPage(browser, `http://127.0.0.1:${server.address().port}/`,
                                  async (newPage) => { reader = await ScreenReader.on(newPage); });
  await web.dialog(page, '[data-dialog="splash"]');
  await page.keyboard.press('Escape');
  await web.dialog(page, '[data-dialog="language"]');
  await page.keyboard.press('Enter');
  await page.waitForSelector('body[data-ready="1"]');
  await hear(reader, /^Level 1: unsolved\. The car is at column \d, row \d\.$/);
  return { page, reader };
}

// Tab until the focus is on a control of that role (and name, if given).
async function tabTo(page, reader, role, name) {
  for (let stops = 0; stops < 30; ++stops) {
    const focus = await reader.focus();
    if (focus?.role === role && (name === undefined || focus.name === name)) return focus;
    await page.keyboard.press('Tab');
  }
  assert.fail(`Tab never reaches the ${role} ${name ?? ''}`);
}

// Words the live region says next that match, those before them passed over.
async function hear(reader, pattern) {
  const heard = [];
  return waitFor(async () => {
    heard.push(...await reader.newWords());
    const at = heard.findIndex((words) => pattern.test(words));
    return at < 0 ? undefined : heard.splice(0, at + 1).at(-1);
  }, `words like ${pattern}; heard ${JSON.stringify(heard)}`);
}

// The words of the cell under the cursor, once the cursor is on (column, row), counted from 1.
async function cellWords(reader, column, row) {
  return waitFor(async () => {
    const words = (await reader.focus())?.cell?.name;
    return words?.startsWith(`Column ${column}, row ${row}:`) ? words : undefined;
  }, `the words of column ${column}, row ${row}`);
}

const withCtrl = async (page, key) => {
  await page.keyboard.down('Control');
  await page.keyboard.press(key);
  await page.keyboard.up('Control');
};

// Every cell's words, row by row, the cursor walked from the top left.
async function readBoard(page, reader) {
  await withCtrl(page, 'Home');
  const words = [];
  for (let row = 1; row <= kRows; ++row) {
    for (let column = 1; column <= kColumns; ++column) {
      words.push(await cellWords(reader, column, row));
      if (column < kColumns) await page.keyboard.press('ArrowRight');
    }
    if (row < kRows) {
      await page.keyboard.press('ArrowDown');
      await page.keyboard.press('Home');
    }
  }
  return words;
}

// The cursor from one cell to another by the shortest keys: to an edge of the board at once.
async function moveCursor(page, reader, from, to) {
  if (to.column === 1 && to.row === 1) await withCtrl(page, 'Home');
  else if (to.column === kColumns && to.row === kRows) await withCtrl(page, 'End');
  else {
    let { column, row } = from;
    if (to.column !== column && (to.column === 1 || to.column === kColumns)) {
      await page.keyboard.press(to.column === 1 ? 'Home' : 'End');
      column = to.column;
    }
    if (to.row !== row && (to.row === 1 || to.row === kRows)) {
      await page.keyboard.press(to.row === 1 ? 'PageUp' : 'PageDown');
      row = to.row;
    }
    for (; column !== to.column; column += Math.sign(to.column - column)) await page.keyboard.press(to.column > column ? 'ArrowRight' : 'ArrowLeft');
    for (; row !== to.row; row += Math.sign(to.row - row)) await page.keyboard.press(to.row > row ? 'ArrowDown' : 'ArrowUp');
  }
  return cellWords(reader, to.column, to.row);
}

// Solves the level on the board by its words alone, until the Solved announcement is answered.
async function solveByEar(page, reader, level) {
  const board = (await readBoard(page, reader)).map(tileOf);
  let cursor = { column: kColumns, row: kRows };
  let presses = 0;
  for (const cell of solvingPresses(board)) {
    await moveCursor(page, reader, cursor, cell);
    cursor = cell;
    await page.keyboard.press(++presses % 2 ? 'Enter' : ' ');
    const dialog = await waitFor(async () => {
      const focus = await reader.focus();
      if (focus?.ancestors.includes('dialog')) return focus;
      const words = await reader.newWords();
      if (words.length === 0) return undefined;
      assert.match(words.at(-1), new RegExp(`^Swapped\\. The car is now at column ${cell.column}, row ${cell.row}; column \\d, row \\d now holds: `));
      return null;
    }, 'what the press did');
    if (!dialog) continue;
    assert.deepEqual([dialog.role, dialog.name], ['button', 'OK'], 'the Solved announcement waits on OK');
    await page.keyboard.press('Enter');
    assert.match(await hear(reader, /^Swapped\./), new RegExp(`^Swapped\\. The car is now at column ${cell.column}, row ${cell.row}; .* Level ${level}: solved\\.$`));
    assert.equal((await reader.focus()).role, 'grid', 'the focus is back on the board');
    return { board, cursor };
  }
  assert.fail(`level ${level}: ${presses} presses and no Solved announcement`);
}

it('lets a player who only hears solve level 1, then level 4 with its fixed tiles, by keys alone', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const { page, reader } = await startGame(browser, server);
    const board = await tabTo(page, reader, 'grid');
    assert.equal(board.name, kBoardName);
    assert.match(board.cell.name, /^Column \d, row \d: .*, carries the car\b/, 'the cursor starts on the car');
    await solveByEar(page, reader, 1);

    await tabTo(page, reader, 'scrollbar', 'Select level');
    for (const level of [2, 3, 4]) {
      await page.keyboard.press('ArrowRight');
      await hear(reader, new RegExp(`^Level ${level}: unsolved\\. The car is at column \\d, row \\d\\.$`));
    }
    await tabTo(page, reader, 'grid');
    await page.keyboard.press('l');
    assert.match(await hear(reader, /loose/), /^\d+ road ends are loose\.$/);
    const { board: level4, cursor } = await solveByEar(page, reader, 4);
    assert.equal(level4.filter((tile) => tile.fixed).length, 2, 'level 4 has two fixed tiles');
    assert.equal(level4.filter((tile) => !tile.fixed && tile.edges.some((edge) => edge)).length, 4, 'and four road tiles');

    // A press that cannot swap says why, and says it again when pressed again.
    const fixed = level4.findIndex((tile) => tile.fixed);
    await moveCursor(page, reader, cursor, { column: fixed % kColumns + 1, row: Math.floor(fixed / kColumns) + 1 });
    for (const key of ['Enter', ' ']) {
      await page.keyboard.press(key);
      assert.equal(await hear(reader, /./), 'This tile is fixed; it cannot move.');
    }
    assert.deepEqual(page.errors, []);
  } finally {
    await browser.close();
    server.close();
  }
});

// The toolbar's buttons as a screen reader has them: each by its name, with the description
// and the tooltip the description gives it.
async function checkToolbarWords(page, reader) {
  const description = await page.evaluate(() => JSON.parse(window.Module.UTF8ToString(window.Module._vl_description())));
  const buttons = await reader.all('button');
  const expected = description.toolbar.buttons;
  assert.deepEqual(buttons.map((button) => button.name).sort(), expected.map((button) => button.name).sort());
  for (const button of buttons) {
    const { description: said } = expected.find((entry) => entry.name === button.name);
    assert.equal(button.description, said, `what is said after "${button.name}"`);
    assert.notEqual(button.description, button.name, 'no name is read twice');
  }
  assert.deepEqual(await page.$$eval('#toolbar button', (elements) => elements.map((element) => element.title)).then((titles) => titles.sort()),
                   expected.map((button) => button.hint).sort(), 'the hints stay the tooltips');
  const [selector] = await reader.all('scrollbar');
  assert.deepEqual([selector.name, selector.description], [description.toolbar.levelSelector.name, '']);
  return buttons.map((button) => button.name);
}

it('shows the cell cursor while keys play the board, names the toolbar\'s controls for what they do in both languages, and keeps Tab inside a dialog', async () => {
  const server = await web.serveSite();
  const browser = await web.launch();
  try {
    const { page, reader } = await startGame(browser, server);
    const cursorBox = () => page.$eval('#cellcursor', (mark) => (mark.hidden ? null : mark.getBoundingClientRect().toJSON()));
    const cursorOn = async (column, row) => {
      const box = await cursorBox();
      const { x, y } = await web.cellPoint(page, column - 1, row - 1);
      return box !== null && box.left < x && x < box.right && box.top < y && y < box.bottom;
    };
    assert.equal(await cursorBox(), null, 'no cursor before the board has the keyboard');
    const board = await tabTo(page, reader, 'grid');
    const [, column, row] = /^Column (\d), row (\d)/.exec(board.cell.name).map(Number);
    assert.ok(await cursorOn(column, row), 'the cursor shows on the car\'s cell');
    // A mouse press swaps as ever, and hides the cursor; a key brings it back.
    const other = { column: column === 1 ? 2 : 1, row };
    await web.pressCell(page, other.column - 1, other.row - 1);
    await hear(reader, new RegExp(`^Swapped\\. The car is now at column ${other.column}, row ${other.row};`));
    assert.equal(await cursorBox(), null, 'a mouse press hides the cursor');
    await page.keyboard.press(column === 1 ? 'ArrowRight' : 'ArrowLeft');
    assert.ok(await cursorOn(column === 1 ? 2 : column - 1, row), 'a key shows the cursor where it went');

    const english = await checkToolbarWords(page, reader);
    assert.ok(english.includes('Save game') && english.includes('Sound'));
    // The sound switch says its state by being pressed or not, and its name stays.
    let sound = await tabTo(page, reader, 'button', 'Sound');
    const on = sound.properties.pressed;
    await page.keyboard.press('Enter');
    sound = await waitFor(async () => {
      const focus = await reader.focus();
      return focus.properties.pressed !== on ? focus : undefined;
    }, 'the sound switch turned');
    assert.deepEqual([sound.name, sound.properties.pressed], ['Sound', on === 'true' ? 'false' : 'true']);

    await tabTo(page, reader, 'button', 'Language');
    await page.keyboard.press('Enter');
    await web.dialog(page, '[data-dialog="language"]');
    await tabTo(page, reader, 'button', 'Ich spreche deutsch.');
    await page.keyboard.press('Enter');
    await waitFor(async () => ((await reader.focus())?.name === 'Sprache' ? true : undefined), 'the language button in German');
    assert.equal(await page.$eval('html', (html) => html.lang), 'de');
    const german = await checkToolbarWords(page, reader);
    assert.ok(german.includes('Spiel speichern') && german.includes('Ton'));

    await tabTo(page, reader, 'button', 'Über Verlumo');
    await page.keyboard.press('Enter');
    await web.dialog(page, '[data-dialog="info"]');
    for (let stops = 0; stops < 8; ++stops) {
      await page.keyboard.press('Tab');
      assert.ok((await reader.focus()).ancestors.includes('dialog'), 'Tab stays in the dialog');
    }
    await page.keyboard.press('Escape');
    await web.dialogGone(page, '[data-dialog="info"]');
    assert.deepEqual(page.errors, []);
  } finally {
    await browser.close();
    server.close();
  }
});
