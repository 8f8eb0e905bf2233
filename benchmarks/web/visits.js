// Visits to a page in Debian's Chromium: a cold one in a fresh browser context, then a warm one
// in the same tab, each timed from navigation start to the first frame with the board painted,
// with the responses that came over the wire and the marks the page set.
'use strict';
const puppeteer = require('puppeteer-core');
const { watchForBoard } = require('./board_probe');

// Flags that keep Chromium from reaching out to the network this machine does not have.
const kChromiumFlags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                        '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const kViewport = { width: 800, height: 600 };
const kWaitMs = 30000;
const kIdleMs = 500;

// Chromium on a new profile of its own, which puppeteer removes again once the browser has closed.
function launch(chromium) {
  return puppeteer.launch({ executablePath: chromium, headless: true, args: kChromiumFlags });
}

const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The responses a tab receives over the network: address and bytes on the wire, headers
// included. A response the cache answers alone brings no bytes and is not counted; nor is an
// error, such as the browser's own request for a favicon the page does not have.
async function trackResponses(page) {
  const session = await page.createCDPSession();
  const addresses = new Map(), statuses = new Map();
  const arrived = [];
  session.on('Network.requestWillBeSent', (event) => addresses.set(event.requestId, event.request.url));
  session.on('Network.responseReceived', (event) => statuses.set(event.requestId, event.response.status));
  session.on('Network.loadingFinished', (event) => {
    if (event.encodedDataLength > 0 && statuses.get(event.requestId) < 400) {
      arrived.push({ address: addresses.get(event.requestId), bytes: event.encodedDataLength });
    }
  });
  await session.send('Network.enable');
  return { take: () => arrived.splice(0) };
}

const sum = (values) => values.reduce((total, value) => total + value, 0);

// One navigation, until the board is painted and the network has been quiet for a while.
async function visit(page, responses, address) {
  responses.take();
  await page.goto(address, { waitUntil: 'load', timeout: kWaitMs });
  try {
    await page.waitForFunction(() => window.benchmarkBoard, { timeout: kWaitMs });
  } catch {
    throw new Error(`${address} painted no board within ${kWaitMs / 1000} s` +
                    (page.errors.length ? `; the page reported: ${page.errors.join('; ')}` : ''));
  }
  await page.waitForNetworkIdle({ idleTime: kIdleMs, timeout: kWaitMs });
  const seen = await page.evaluate(() => {
    const [navigation] = performance.getEntriesByType('navigation');
    const entries = [...performance.getEntriesByType('mark'), ...performance.getEntriesByType('measure')];
    return { board: window.benchmarkBoard, document: navigation.name, documentAt: navigation.responseEnd,
             marks: entries.map(({ name, startTime, duration }) => ({ name, at: startTime, duration })) };
  });
  const all = responses.take();
  const byBoard = new Set([seen.document, ...seen.board.arrived.map((entry) => entry.name)]);
  const firstBoard = all.filter((response) => byBoard.has(response.address));
  const lastArrival = Math.max(seen.documentAt, ...seen.board.arrived.map((entry) => entry.end));
  return {
    time: seen.board.at,
    bytes: { responses: all.length, sent: sum(all.map((response) => response.bytes)),
             responsesByBoard: firstBoard.length, sentByBoard: sum(firstBoard.map((response) => response.bytes)) },
    milestones: [{ name: 'document received', at: seen.documentAt },
                 { name: 'last response before the board', at: lastArrival },
                 ...seen.marks,
                 { name: 'board painted', at: seen.board.at }],
  };
}

// A cold visit in a fresh context (an incognito profile), after the new window has settled,
// and, when asked, a warm one in the same tab.
async function coldAndWarm(browser, { address, canvas }, { settleMs, warm = true }) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport(kViewport);
    page.errors = [];
    page.on('pageerror', (error) => page.errors.push(error.message));
    await page.evaluateOnNewDocument(watchForBoard, canvas);
    const responses = await trackResponses(page);
    // A new window first loads the browser's own interface in another renderer; a page
    // navigated meanwhile is measured slower and noisier.
    await pause(settleMs);
    const cold = await visit(page, responses, address);
    return { cold, warm: warm ? await visit(page, responses, address) : null };
  } finally {
    await context.close();
  }
}

// The cost of one tick of the turning car's timer on a still page: in the module alone, and
// with the changed cell put on the canvas. Microseconds, the mean of `ticks`.
async function timerTick(browser, address, ticks) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.goto(address, { waitUntil: 'load', timeout: kWaitMs });
    await page.waitForFunction(() => performance.getEntriesByName('verlumo-first-board').length > 0, { timeout: kWaitMs });
    return await page.evaluate((count) => {
      const time = (work) => {
        const begin = performance.now();
        for (let i = 0; i < count; ++i) work();
        return (performance.now() - begin) * 1000 / count;
      };
      return { module: time(() => Module._vl_tick()), shown: time(() => window.verlumoPage.tick()) };
    }, ticks);
  } finally {
    await context.close();
  }
}

module.exports = { launch, coldAndWarm, timerTick };
