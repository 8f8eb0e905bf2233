// The benchmark's command line and environment, and the folders it serves, checked before any
// browser starts.
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const kLeastVisits = 9;
const kUsage = `Usage: benchmarks/web-page [--visits N] [--settle SECONDS]
  --visits N        visits to each page, at least ${kLeastVisits} (default ${kLeastVisits})
  --settle SECONDS  how long a new window settles before it navigates (default 2.5)
Environment: VERLUMO_SITE (the built page, default build/web/site), VERLUMO_NET_WEB (Net's page,
default ../shared/peers/net-web from the repository's top), CHROMIUM (default /usr/bin/chromium).`;

class UsageError extends Error {}

function numberAfter(args, i, least) {
  const text = args[i + 1];
  const value = Number(text);
  if (text === undefined || text.trim() === '' || !Number.isFinite(value) || value < least) {
    throw new UsageError(`${args[i]} wants a number of at least ${least}, not ${text === undefined ? 'nothing' : `"${text}"`}`);
  }
  return value;
}

// Options from the arguments and the environment; throws a UsageError on anything else.
function readOptions(args, env, repo) {
  const options = {
    help: false,
    visits: kLeastVisits,
    settleMs: 2500,
    site: path.resolve(repo, env.VERLUMO_SITE || 'build/web/site'),
    net: path.resolve(repo, env.VERLUMO_NET_WEB || '../shared/peers/net-web'),
    chromium: env.CHROMIUM || '/usr/bin/chromium',
  };
  for (let i = 0; i < args.length; ++i) {
    if (args[i] === '--help' || args[i] === '-h') {
      options.help = true;
    } else if (args[i] === '--visits') {
      options.visits = numberAfter(args, i++, kLeastVisits);
      if (!Number.isInteger(options.visits)) throw new UsageError(`--visits wants a whole number, not ${options.visits}`);
    } else if (args[i] === '--settle') {
      options.settleMs = numberAfter(args, i++, 0) * 1000;
    } else {
      throw new UsageError(`unknown argument "${args[i]}"`);
    }
  }
  return options;
}

// Throws, saying what to do, when a page or the browser is not where the options say: the
// command line was right, so no usage follows.
function checkFolders({ site, net, chromium }) {
  const missing = (folder, files) => files.filter((file) => !fs.existsSync(path.join(folder, file)));
  if (missing(site, ['index.html', 'verlumo-module.wasm']).length) {
    throw new Error(`no built page in ${site}: build it with cmake --preset web && cmake --build --preset web ` +
                         '(benchmarks/web-page does), or name another in VERLUMO_SITE');
  }
  const netMissing = missing(net, ['net.html', 'net.js', 'net.wasm']);
  if (netMissing.length) {
    throw new Error(`Net's page is not in ${net} (missing ${netMissing.join(', ')}): ` +
                         'set VERLUMO_NET_WEB to the folder holding net.html, net.js and net.wasm');
  }
  if (!fs.existsSync(chromium)) throw new Error(`no Chromium at ${chromium}: install Debian's chromium or set CHROMIUM`);
}

module.exports = { readOptions, checkFolders, UsageError, kUsage };
