// What the browser tests share: the page served from the built site, Debian's Chromium on a
// fresh profile, and reading what the page shows (canvas pixels, hints, dialogs).
'use strict';
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const repo = path.resolve(__dirname, '../..');
const site = process.env.VERLUMO_SITE || path.join(repo, 'build/web/site');
const reference = process.env.VERLUMO_REFERENCE || path.join(repo, 'build/web/reference');
const levelFile = path.join(repo, 'assets/levels/vlmo.dat');

const kTypes = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm',
                 '.ico': 'image/x-icon', '.bmp': 'image/bmp', '.png': 'image/png', '.htm': 'text/html',
                 '.webmanifest': 'application/manifest+json' };

// The built site on a free port of 127.0.0.1, as any static web server serves it, with any extra
// files given by their path: a page's text, or { type, body } for any other file.
function serveSite(extraPages = {}) {
  const server = http.createServer((request, response) => {
    const address = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (address in extraPages) {
      const extra = extraPages[address];
      const { type, body } = typeof extra === 'string' ? { type: 'text/html', body: extra } : extra;
      response.writeHead(200, { 'Content-Type': type });
      response.end(body);
      return;
    }
    const file = path.join(site, address);
    if (!file.startsWith(site) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      const index = path.join(file, 'index.html');
      if (!fs.existsSync(index)) { response.writeHead(404); response.end(); return; }
      return send(index, response);
    }
    send(file, response);
  });
  function send(file, response) {
    response.writeHead(200, { 'Content-Type': kTypes[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  }
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Flags that keep Chromium from reaching out to the network this machine does not have.
const kChromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                        '--disable-background-networking', '--disable-component-update', '--disable-sync',
                        '--autoplay-policy=no-user-gesture-required'];

async function launch() {
  return puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
                            args: kChromiumFlags, userDataDir: fs.mkdtempSync(path.join(os.tmpdir(), 'verlumo-profile-')) });
}

// beforeLoad(page) runs on the new page before it loads the address.
async function openPage(browser, address, beforeLoad = async () => {}) {
  const page = await browser.newPage();
  await page.setViewport({ width: 640, height: 560 });
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.errors = errors;
  await beforeLoad(page);
  await page.goto(address, { waitUntil: 'load' });
  return page;
}

function readPpm(file) {
  const bytes = fs.readFileSync(file);
  const header = bytes.toString('latin1', 0, 20).split(/\s+/);
  const [width, height] = [Number(header[1]), Number(header[2])];
  const start = bytes.length - width * height * 3;
  return { width, height, rgb: bytes.subarray(start) };
}

// The canvas's pixels as RGB bytes.
async function canvasRgb(page, selector) {
  const rgba = await page.$eval(selector, (canvas) =>
    Array.from(canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data));
  const rgb = Buffer.alloc(rgba.length / 4 * 3);
  for (let i = 0, j = 0; i < rgba.length; i += 4, j += 3) [rgb[j], rgb[j + 1], rgb[j + 2]] = rgba.slice(i, i + 3);
  return rgb;
}

async function dialog(page, selector) {
  return page.waitForSelector('#modal ' + selector, { visible: true, timeout: 10000 });
}

async function dialogGone(page, selector) {
  await page.waitForFunction((s) => !document.querySelector('#modal ' + s), { timeout: 10000 }, selector);
}

const hint = (page, selector) => page.$eval(selector, (element) => element.title);

// The tiles on the board as the player sees them: each cell matched against the tile sheet. The
// selected cell, under the turning car, is the one without an exact match: its nearest tile.
function readBoard(boardRgb, tiles) {
  const codes = [];
  let selected = null;
  for (let column = 0; column < 9; ++column) {
    for (let row = 0; row < 7; ++row) {
      let best = -1, bestDifference = Infinity;
      for (let code = 0; code < 200 && bestDifference > 0; ++code) {
        let difference = 0;
        for (let y = 0; y < 48 && difference < bestDifference; ++y) {
          const a = ((20 + row * 48 + y) * 520 + 22 + column * 48) * 3;
          const b = ((Math.floor(code / 20) * 48 + y) * tiles.width + (code % 20) * 48) * 3;
          for (let x = 0; x < 48 * 3; ++x) if (boardRgb[a + x] !== tiles.rgb[b + x]) ++difference;
        }
        if (difference < bestDifference) [best, bestDifference] = [code, difference];
      }
      codes[column * 7 + row] = best;
      if (bestDifference > 0) selected = { column, row };
    }
  }
  return { codes, selected };
}

function levelRecord(level) {
  return Array.from(fs.readFileSync(levelFile).subarray((level - 1) * 63, level * 63));
}

// The middle of the cell, on the board as scaled to the screen.
async function cellPoint(page, column, row) {
  const box = await (await page.$('#box')).boundingBox();
  const scale = box.width / 520;
  return { x: box.x + (22 + column * 48 + 24) * scale, y: box.y + (20 + row * 48 + 24) * scale };
}

async function pressCell(page, column, row) {
  const { x, y } = await cellPoint(page, column, row);
  await page.mouse.click(x, y);
}

// Each tile picture by the smallest code that shows it, so that tiles that look alike count alike.
function pictureIds(tiles) {
  const ids = [], seen = new Map();
  for (let code = 0; code < 200; ++code) {
    const rows = [];
    for (let y = 0; y < 48; ++y) {
      const start = ((Math.floor(code / 20) * 48 + y) * tiles.width + (code % 20) * 48) * 3;
      rows.push(tiles.rgb.subarray(start, start + 48 * 3).toString('latin1'));
    }
    const key = rows.join('');
    if (!seen.has(key)) seen.set(key, code);
    ids.push(seen.get(key));
  }
  return ids;
}

// The presses that carry the selected tile until every movable cell shows its level's picture.
function solvingPresses(board, record, ids) {
  const current = board.codes.map((code) => ids[code]), wanted = record.map((code) => ids[code]);
  const movable = record.map((code) => code <= 90);
  let selected = board.selected.column * 7 + board.selected.row;
  const presses = [];
  for (let guard = 0; guard < 500; ++guard) {
    const misplaced = current.map((_, i) => i).filter((i) => i !== selected && movable[i] && current[i] !== wanted[i]);
    if (misplaced.length === 0) break;
    const next = misplaced.find((i) => current[i] === wanted[selected]) ?? misplaced[0];
    [current[selected], current[next]] = [current[next], current[selected]];
    selected = next;
    presses.push(next);
  }
  return presses;
}

// Plays the level on the page until the Solved announcement shows, pressing each cell with
// press(column, row); gives the announcement, or null if the board was solved without it.
async function solveLevel(page, level, press) {
  const tiles = readPpm(path.join(reference, 'tiles.ppm'));
  await new Promise((resolve) => setTimeout(resolve, 200));  // the turning car marks the selected tile
  const board = readBoard(await canvasRgb(page, '#box'), tiles);
  for (const cell of solvingPresses(board, levelRecord(level), pictureIds(tiles))) {
    await press(Math.floor(cell / 7), cell % 7);
    const solved = await page.$('#modal [data-message="0"]');
    if (solved) return solved;
  }
  return null;
}

module.exports = { site, reference, serveSite, launch, openPage, readPpm, canvasRgb, dialog, dialogGone, hint,
                   readBoard, levelRecord, cellPoint, pressCell, pictureIds, solvingPresses, solveLevel };
