// Verlumo's page beside Net's page and a bare page, in one run of headless Chromium: visits
// interleaved page by page, each cold in a fresh context and then warm, then one cold visit of
// each served with gzip for the bytes, then the timer tick; the report goes to standard output,
// the progress to standard error. Run through benchmarks/web-page, which builds the page first.
'use strict';
const os = require('node:os');
const path = require('node:path');
const { barePages } = require('./bare_page');
const { UsageError, checkFolders, kUsage, readOptions } = require('./options');
const { report } = require('./report');
const { addressOf, serveStatic } = require('./static_server');

const kTicks = 2000;

async function main() {
  const options = readOptions(process.argv.slice(2), process.env, path.resolve(__dirname, '../..'));
  if (options.help) {
    console.log(kUsage);
    return;
  }
  checkFolders(options);
  const bare = barePages(options.site);
  // Loaded only now, so that a wrong option is reported without the npm packages.
  const { coldAndWarm, launch, timerTick } = require('./visits');
  const pages = [
    { name: 'Verlumo', server: await serveStatic({ folder: options.site }), page: '', canvas: '#box' },
    { name: 'Net', server: await serveStatic({ folder: options.net }), page: 'net.html', canvas: '#puzzlecanvas' },
    { name: 'bare', server: await serveStatic({ pages: bare }), page: 'index.html', canvas: '#picture' },
  ];
  for (const page of pages) Object.assign(page, { address: addressOf(page.server, page.page), visits: [] });
  const load = { start: os.loadavg()[0] };
  let browser = null;
  try {
    browser = await launch(options.chromium);
    for (let round = 1; round <= options.visits; ++round) {
      process.stderr.write(`visits ${round} of ${options.visits} ...\n`);
      for (const page of pages) page.visits.push(await coldAndWarm(browser, page, options));
    }
    process.stderr.write('the first visits served with gzip, and the timer tick ...\n');
    for (const page of pages) {
      page.server.gzip = true;
      page.gzipped = (await coldAndWarm(browser, page, { ...options, warm: false })).cold;
    }
    const tick = { ticks: kTicks, ...await timerTick(browser, pages[0].address + '?still', kTicks) };
    load.end = os.loadavg()[0];
    console.log(report(pages, { settleMs: options.settleMs, load, tick }));
  } finally {
    await browser?.close();
    for (const page of pages) page.server.close();
  }
}

main().catch((error) => {
  console.error(`web-page: ${error.message}`);
  if (error instanceof UsageError) console.error(kUsage);
  process.exitCode = error instanceof UsageError ? 2 : 1;
});
