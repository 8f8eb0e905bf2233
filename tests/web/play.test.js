// Playing Verlumo in headless Chromium as a newcomer would, on a fresh profile: the splash and the
// language question, level 1 solved by pressing its tiles, restart, the unsolved-level buttons
// and the keyboard, a reload, game files in and out, and German.
'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { after, before, describe, it } = require('node:test');
const web = require('./support');

describe('Verlumo in the browser', () => {
  let server, browser, page, address;
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'verlumo-downloads-'));
  const counterHint = () => web.hint(page, '#levelbox');

  before(async () => {
    server = await web.serveSite();
    address = `http://127.0.0.1:${server.address().port}/`;
    browser = await web.launch();
    page = await web.openPage(browser, address);
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  });

  after(async () => {
    await browser?.close();
    server?.close();
  });

  it('greets a newcomer with the splash and the language question, then speaks English', async () => {
    await (await web.dialog(page, '[data-dialog="splash"]')).click();
    await web.dialogGone(page, '[data-dialog="splash"]');
    const language = await web.dialog(page, '[data-dialog="language"]');
    await (await language.$('button.english')).click();
    await page.waitForSelector('body[data-ready="1"]');
    assert.equal(await web.hint(page, '[data-command="0"]'), 'I want to play a new game.');
    assert.equal(await web.hint(page, '[data-command="8"]'), 'Ich spreche nicht englisch.');
    assert.equal(await page.$eval('#levellabel', (label) => label.textContent), 'Level:');
    assert.equal(await counterHint(), 'Level 1: unsolved');
    assert.equal(await page.title(), 'Verlumo V2.3 - Game noname.vlm');
  });

  const load = async (file) => {
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.click('[data-command="2"]')]);
    await chooser.accept([file]);
    // The load command ends once the file has been read.
    await page.waitForFunction(() => !document.body.classList.contains('busy'));
    assert.ok((await page.title()).endsWith(path.basename(file)));
  };

  it('loads a game file the Windows game wrote', async () => {
    // The file the Windows game saved under Wine, solving level 1, when scripts/test ran its tests.
    if (process.env.VERLUMO_WINDOWS_SAVED) {
      await load(process.env.VERLUMO_WINDOWS_SAVED);
      assert.equal(await counterHint(), 'Level 1: solved');
    }
    // The same format written by the game's save code: levels 3 to 252 solved, 1 and 2 not.
    await load(path.join(web.reference, 'windows-saved.vlm'));
    assert.equal(await counterHint(), 'Level 1: unsolved');
    await page.focus('#levelscroll');
    await page.keyboard.press('PageDown');
    await page.keyboard.press('Home');
    await page.keyboard.press('ArrowRight');
    await page.keyboard.press('ArrowRight');
    assert.equal(await counterHint(), 'Level 3: solved', 'a flag of 7 counts as solved');
    await page.keyboard.press('Home');
  });

  // With 250 of 500 levels solved the gauge is filled up to y 190; the 251st fills row 189.
  it('solves level 1 by pressing its tiles: the Solved announcement, then the face and the gauge', async () => {
    const tiles = web.readPpm(path.join(web.reference, 'tiles.ppm'));
    await new Promise((resolve) => setTimeout(resolve, 200));  // the turning car marks the selected tile
    const board = web.readBoard(await web.canvasRgb(page, '#box'), tiles);
    assert.ok(board.selected, 'the turning car shows which tile is carried');
    const counterBefore = await web.canvasRgb(page, '#levelbox');
    const boardBefore = await web.canvasRgb(page, '#box');
    let solved = null;
    for (const cell of web.solvingPresses(board, web.levelRecord(1), web.pictureIds(tiles))) {
      await web.pressCell(page, Math.floor(cell / 7), cell % 7);
      solved = await page.$('#modal [data-message="0"]');
      if (solved) break;
    }
    assert.ok(solved, 'the Solved announcement is shown');
    assert.equal(await solved.$eval('.message', (message) => message.textContent), 'Hurrah, you did it!');
    // The solved sound follows the click sound of the last swap.
    const played = await page.evaluate(() => window.verlumoPage.playedSounds);
    assert.ok(played.length >= 2 && played.at(-1) > played.at(-2), `sounds played: ${played}`);
    await (await solved.$('button.ok')).click();
    await web.dialogGone(page, '[data-message="0"]');
    assert.equal(await counterHint(), 'Level 1: solved');
    const counterAfter = await web.canvasRgb(page, '#levelbox');
    assert.notDeepEqual(counterAfter.subarray(0, 20 * 57 * 3), counterBefore.subarray(0, 20 * 57 * 3), 'the face smiles');
    const gauge = (rgb) => Buffer.concat(Array.from({ length: 315 }, (_, y) => rgb.subarray(((32 + y) * 520 + 469) * 3, ((32 + y) * 520 + 500) * 3)));
    assert.notDeepEqual(gauge(await web.canvasRgb(page, '#box')), gauge(boardBefore), 'the gauge has risen');
  });

  it('asks before restarting a level with moves, and keeps the board when told no', async () => {
    await page.click('[data-command="7"]');  // next unsolved: level 2, no moves yet
    assert.equal(await counterHint(), 'Level 2: unsolved');
    await page.click('[data-command="1"]');
    assert.equal(await page.$('#modal [data-message="2"]'), null, 'a level without moves restarts at once');
    const tiles = web.readPpm(path.join(web.reference, 'tiles.ppm'));
    await new Promise((resolve) => setTimeout(resolve, 200));
    const board = web.readBoard(await web.canvasRgb(page, '#box'), tiles);
    const record = web.levelRecord(2);
    const other = record.findIndex((code, i) => code <= 90 && i !== board.selected.column * 7 + board.selected.row);
    await web.pressCell(page, Math.floor(other / 7), other % 7);
    const moved = await web.canvasRgb(page, '#box');
    await page.click('[data-command="1"]');
    const question = await web.dialog(page, '[data-message="2"]');
    assert.equal(await question.$eval('.message', (message) => message.textContent), 'Do you really want to give up the level?');
    await (await question.$('button.cancel')).click();
    await web.dialogGone(page, '[data-message="2"]');
    const kept = await web.canvasRgb(page, '#box');
    const cellsOnly = (rgb) => rgb.subarray(20 * 520 * 3, 356 * 520 * 3);
    const differing = cellsOnly(kept).filter((value, i) => value !== cellsOnly(moved)[i]).length;
    assert.ok(differing < 48 * 48 * 3, 'only the turning car has moved');
    await page.click('[data-command="1"]');
    await (await (await web.dialog(page, '[data-message="2"]')).$('button.ok')).click();
    await web.dialogGone(page, '[data-message="2"]');
    await page.click('[data-command="1"]');
    assert.equal(await page.$('#modal [data-message="2"]'), null, 'the fresh start has no moves to lose');
  });

  it('goes to the unsolved levels by their buttons and by the keys of the level selector', async () => {
    await page.click('[data-command="6"]');  // previous unsolved from 2: level 1 is solved, so the last level
    assert.equal(await counterHint(), 'Level 500: unsolved');
    await page.focus('#levelscroll');
    await page.keyboard.press('Home');
    assert.equal(await counterHint(), 'Level 1: solved');
    await page.keyboard.press('ArrowRight');
    assert.equal(await counterHint(), 'Level 2: unsolved');
    await page.keyboard.press('PageDown');
    assert.equal(await counterHint(), 'Level 12: solved');
    await page.keyboard.press('End');
    assert.equal(await counterHint(), 'Level 500: unsolved');
    await page.keyboard.press('PageUp');
    assert.equal(await page.$eval('#levelscroll', (scroll) => scroll.getAttribute('aria-valuenow')), '490');
  });

  it('comes back after a reload to the same level, progress and language, without asking the language', async () => {
    await page.reload({ waitUntil: 'load' });
    await (await web.dialog(page, '[data-dialog="splash"]')).click();
    await page.waitForSelector('body[data-ready="1"]');
    assert.equal(await page.$('#modal [data-dialog="language"]'), null);
    assert.equal(await counterHint(), 'Level 490: unsolved');
    await page.focus('#levelscroll');
    await page.keyboard.press('Home');
    assert.equal(await counterHint(), 'Level 1: solved');
  });

  it('saves the game as a .vlm file and loads it back after a new game', async () => {
    await page.click('[data-command="3"]');
    const save = await web.dialog(page, '[data-dialog="save"]');
    assert.equal(await save.$eval('input', (field) => field.value), 'windows-saved.vlm');
    // Typed and saved by Enter, as a keyboard player does; the toolbar's Save button, which has
    // the focus back, takes nothing of that Enter.
    await save.$eval('input', (field) => { field.value = 'my game'; field.focus(); });
    await page.keyboard.press('Enter');
    const saved = path.join(downloads, 'my game.vlm');
    for (let wait = 0; wait < 50 && !fs.existsSync(saved); ++wait) await new Promise((resolve) => setTimeout(resolve, 100));
    await new Promise((resolve) => setTimeout(resolve, 300));
    assert.equal(await page.$('#modal [data-dialog="save"]'), null, 'the Save as box stays closed');
    const bytes = fs.readFileSync(saved);
    assert.equal(bytes.length, 500);
    assert.deepEqual([bytes[0], bytes[1], bytes[2], bytes[3], bytes[252]], [1, 0, 7, 1, 0]);
    assert.equal(await page.title(), 'Verlumo V2.3 - Game my game.vlm');
    // scripts/test loads it in the Windows game next.
    if (process.env.VERLUMO_EXCHANGE) fs.copyFileSync(saved, path.join(process.env.VERLUMO_EXCHANGE, 'page-saved.vlm'));
    await page.click('[data-command="0"]');  // a new game; the board is not solved, so it asks
    await (await (await web.dialog(page, '[data-message="3"]')).$('button.ok')).click();
    await web.dialogGone(page, '[data-message="3"]');
    assert.equal(await counterHint(), 'Level 1: unsolved');
    await load(saved);
    assert.equal(await counterHint(), 'Level 1: solved');
    // A file shorter than a game leaves the levels it does not reach unsolved.
    const short = path.join(downloads, 'short.vlm');
    fs.writeFileSync(short, Buffer.from([0, 9]));
    await load(short);
    assert.equal(await counterHint(), 'Level 1: unsolved');
  });

  it('speaks German once German is chosen, in the toolbar, the caption and the dialogs, until the info dialog switches back', async () => {
    await page.click('[data-command="8"]');
    await (await (await web.dialog(page, '[data-dialog="language"]')).$('button.german')).click();
    await web.dialogGone(page, '[data-dialog="language"]');
    assert.equal(await web.hint(page, '[data-command="0"]'), 'Ich fang ein neues Spiel an.');
    assert.equal(await web.hint(page, '[data-command="8"]'), "I don't speak german.");
    assert.equal(await web.hint(page, '#levelscroll'), 'Stufe wählen');
    assert.equal(await page.$eval('#levellabel', (label) => label.textContent), 'Stufe:');
    assert.equal(await counterHint(), 'Stufe 1: ungelöst');
    assert.equal(await page.title(), 'Verlumo V2.3 - Spiel short.vlm');
    await page.click('[data-command="0"]');
    const question = await web.dialog(page, '[data-message="3"]');
    assert.equal(await question.$eval('.message', (message) => message.textContent),
                 'Willst Du das Spiel wirklich von vorne beginnen?');
    assert.equal(await question.$eval('button.ok', (button) => button.textContent), 'Ja');
    await (await question.$('button.cancel')).click();
    await web.dialogGone(page, '[data-message="3"]');

    // The info dialog's language button changes the language while the dialog stays open.
    await page.click('[data-command="10"]');
    const info = await web.dialog(page, '[data-dialog="info"]');
    assert.equal(await info.$eval('.caption', (caption) => caption.textContent), 'Info über ...');
    await (await info.$('button.tongue')).click();
    await (await web.dialog(page, '[data-dialog="language"]')).$eval('button.english', (button) => button.click());
    await web.dialogGone(page, '[data-dialog="language"]');
    assert.equal(await info.$eval('.caption', (caption) => caption.textContent), 'Info about ...');
    assert.equal(await web.hint(page, '[data-command="0"]'), 'I want to play a new game.');
    await (await info.$('button.ok')).click();
    assert.deepEqual(page.errors, []);
  });
});
