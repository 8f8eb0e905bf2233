// The web page's benchmark, run by hand (benchmarks/web-page): what a first visit transfers, the
// time from navigation to the first painted board beside a bare page that draws one 520 x 376
// picture, and the cost of a timer tick in the browser. Not a test: it prints figures.
'use strict';
const web = require('./support');

const kStarts = Number(process.argv[2] || 9);
const kTicks = 2000;

// The floor: a page that loads one 520 x 376 picture and draws it on a canvas.
const kBarePage = `<!DOCTYPE html><html><head><meta charset="utf-8"><title>bare</title></head><body>
<canvas id="box" width="520" height="376"></canvas><script>
const picture = new Image();
picture.onload = () => { document.getElementById('box').getContext('2d').drawImage(picture, 0, 0);
                         performance.mark('verlumo-first-board'); };
picture.src = 'help/solved_level.png';
</script></body></html>`;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// One first visit in a fresh browser context: milliseconds from navigation to the mark, and the
// bytes that came over the wire.
async function firstVisit(browser, address) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const session = await page.createCDPSession();
  await session.send('Network.enable');
  await session.send('Network.setCacheDisabled', { cacheDisabled: true });
  let bytes = 0;
  session.on('Network.loadingFinished', (event) => { bytes += event.encodedDataLength; });
  await page.goto(address, { waitUntil: 'load' });
  await page.waitForFunction(() => performance.getEntriesByName('verlumo-first-board').length > 0, { timeout: 20000 });
  const [time, loaded] = await page.evaluate(() => ['verlumo-first-board', 'verlumo-loaded'].map(
    (name) => (performance.getEntriesByName(name)[0] || { startTime: NaN }).startTime));
  await page.waitForNetworkIdle({ idleTime: 300 });
  await context.close();
  return { time, loaded, bytes };
}

(async () => {
  const server = await web.serveSite({ '/bare.html': kBarePage });
  const browser = await web.launch();
  const root = `http://127.0.0.1:${server.address().port}/`;
  try {
    const game = [], bare = [], loaded = [];
    let gameBytes = 0;
    for (let start = 0; start < kStarts; ++start) {
      // Interleaved, each round in the other order.
      const order = start % 2 ? [['bare', bare], ['game', game]] : [['game', game], ['bare', bare]];
      for (const [which, times] of order) {
        const visit = await firstVisit(browser, root + (which === 'game' ? '?still' : 'bare.html'));
        times.push(visit.time);
        if (which === 'game') {
          gameBytes = visit.bytes;
          loaded.push(visit.loaded);
        }
      }
    }
    console.log(`first visit transfers ${gameBytes} bytes (${(gameBytes / 1048576).toFixed(2)} MiB; budget 1.5 MB)`);
    console.log(`navigation to first painted board, median of ${kStarts}: game ${median(game).toFixed(1)} ms, ` +
                `bare page ${median(bare).toFixed(1)} ms (best ${Math.min(...game).toFixed(1)} / ${Math.min(...bare).toFixed(1)}); ` +
                `the game's files all loaded and its module compiled at ${median(loaded).toFixed(1)} ms`);

    const page = await web.openPage(browser, root + '?still');
    await page.waitForFunction(() => performance.getEntriesByName('verlumo-first-board').length > 0);
    const tick = await page.evaluate((ticks) => {
      const time = (work) => {
        const begin = performance.now();
        for (let i = 0; i < ticks; ++i) work();
        return (performance.now() - begin) * 1000 / ticks;
      };
      return { module: time(() => Module._vl_tick()), shown: time(() => window.verlumoPage.tick()) };
    }, kTicks);
    console.log(`timer tick, mean of ${kTicks}: ${tick.module.toFixed(2)} us in the module (the cell composed and copied), ` +
                `${tick.shown.toFixed(2)} us with the board area converted and put on the canvas`);
  } finally {
    await browser.close();
    server.close();
  }
})();
