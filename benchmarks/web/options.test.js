'use strict';
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const { UsageError, checkFolders, readOptions } = require('./options');

const repo = '/work/verlumo';

test('the defaults: nine visits, 2.5 s to settle, the built site, Net beside the repository, Debian\'s Chromium', () => {
  assert.deepEqual(readOptions([], {}, repo), {
    help: false, visits: 9, settleMs: 2500, site: '/work/verlumo/build/web/site', net: '/work/shared/peers/net-web',
    chromium: '/usr/bin/chromium',
  });
});

test('the arguments and the environment change them; paths count from the repository', () => {
  const options = readOptions(['--visits', '27', '--settle', '0'],
                              { VERLUMO_SITE: 'elsewhere/site', VERLUMO_NET_WEB: '/peers/net', CHROMIUM: '/opt/chromium' }, repo);
  assert.equal(options.visits, 27);
  assert.equal(options.settleMs, 0);
  assert.equal(options.site, '/work/verlumo/elsewhere/site');
  assert.equal(options.net, '/peers/net');
  assert.equal(options.chromium, '/opt/chromium');
  assert.equal(readOptions(['-h'], {}, repo).help, true);
});

test('a wrong argument is refused with a message that names it', () => {
  const refused = (args, message) => assert.throws(() => readOptions(args, {}, repo),
                                                   (error) => error instanceof UsageError && message.test(error.message));
  refused(['--visits', '8'], /--visits wants a number of at least 9, not "8"/);
  refused(['--visits'], /--visits wants a number of at least 9, not nothing/);
  refused(['--visits', 'many'], /not "many"/);
  refused(['--visits', ' '], /not " "/);
  refused(['--visits', '9.5'], /--visits wants a whole number, not 9.5/);
  refused(['--settle', '-1'], /--settle wants a number of at least 0, not "-1"/);
  refused(['--fast'], /unknown argument "--fast"/);
});

test('a missing page or browser is named, with what to do', (t) => {
  const parent = fs.mkdtempSync(path.join(os.tmpdir(), 'benchmark-options-test-'));
  t.after(() => fs.rmSync(parent, { recursive: true, force: true }));
  const site = path.join(parent, 'site'), net = path.join(parent, 'net');
  fs.mkdirSync(site);
  fs.mkdirSync(net);
  const folders = { site, net, chromium: process.execPath };
  const refused = (message) => assert.throws(() => checkFolders(folders),
                                             (error) => !(error instanceof UsageError) && message.test(error.message));

  refused(/no built page in .*site: build it with cmake --preset web/);
  for (const file of ['index.html', 'verlumo-module.wasm']) fs.writeFileSync(path.join(site, file), '');
  refused(/Net's page is not in .*net \(missing net.html, net.js, net.wasm\): set VERLUMO_NET_WEB/);
  for (const file of ['net.html', 'net.js']) fs.writeFileSync(path.join(net, file), '');
  refused(/\(missing net.wasm\)/);
  fs.writeFileSync(path.join(net, 'net.wasm'), '');
  checkFolders(folders);
  assert.throws(() => checkFolders({ ...folders, chromium: path.join(parent, 'chromium') }), /no Chromium at .*: install/);
});
