'use strict';
const assert = require('node:assert/strict');
const crypto = require('node:crypto');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const zlib = require('node:zlib');
const { addressOf, serveStatic } = require('./static_server');

// A raw request, so that the path reaches the server exactly as written.
function get(server, address, { method = 'GET', headers = {} } = {}) {
  return new Promise((resolve, reject) => {
    const request = http.request({ host: '127.0.0.1', port: server.address().port, path: address, method, headers }, (response) => {
      const chunks = [];
      response.on('data', (chunk) => chunks.push(chunk));
      response.on('end', () => resolve({ status: response.statusCode, headers: response.headers, body: Buffer.concat(chunks) }));
    });
    request.on('error', reject);
    request.end();
  });
}

const parent = fs.mkdtempSync(path.join(os.tmpdir(), 'static-server-test-'));
const folder = path.join(parent, 'site');
fs.mkdirSync(path.join(folder, 'page'), { recursive: true });
fs.writeFileSync(path.join(folder, 'index.html'), '<p>index</p>'.repeat(50));
fs.writeFileSync(path.join(folder, 'page', 'start.js'), 'export const start = 1;\n'.repeat(50));
fs.writeFileSync(path.join(folder, 'noise.wasm'), crypto.randomBytes(4000));
fs.writeFileSync(path.join(parent, 'secret.txt'), 'not to be served');
test.after(() => fs.rmSync(parent, { recursive: true, force: true }));

test('files are served with their type, their time and ten minutes of freshness, and a folder by its index', async () => {
  const server = await serveStatic({ folder });
  try {
    const script = await get(server, '/page/start.js');
    assert.equal(script.status, 200);
    assert.equal(script.headers['content-type'], 'text/javascript');
    assert.equal(script.headers['cache-control'], 'max-age=600');
    assert.equal(script.headers['last-modified'], fs.statSync(path.join(folder, 'page', 'start.js')).mtime.toUTCString());
    assert.equal(script.body.toString(), 'export const start = 1;\n'.repeat(50));
    assert.equal((await get(server, '/noise.wasm')).headers['content-type'], 'application/wasm');
    assert.equal((await get(server, '/')).body.toString(), '<p>index</p>'.repeat(50));
    assert.equal(addressOf(server, 'net.html'), `http://127.0.0.1:${server.address().port}/net.html`);

    const again = await get(server, '/page/start.js', { headers: { 'If-Modified-Since': script.headers['last-modified'] } });
    assert.equal(again.status, 304);
    assert.equal(again.body.length, 0);
    const older = new Date(Date.parse(script.headers['last-modified']) - 1000).toUTCString();
    assert.equal((await get(server, '/page/start.js', { headers: { 'If-Modified-Since': older } })).status, 200);
    const head = await get(server, '/index.html', { method: 'HEAD' });
    assert.equal(head.headers['content-length'], '600');
    assert.equal(head.body.length, 0);
  } finally {
    server.close();
  }
});

test('a page held in memory is served beside the folder, or alone', async () => {
  const server = await serveStatic({ pages: { '/index.html': '<p>bare</p>', '/picture.png': Buffer.from([1, 2, 3]) } });
  try {
    assert.equal((await get(server, '/index.html')).body.toString(), '<p>bare</p>');
    const picture = await get(server, '/picture.png');
    assert.equal(picture.headers['content-type'], 'image/png');
    assert.deepEqual([...picture.body], [1, 2, 3]);
    assert.equal((await get(server, '/page/start.js')).status, 404);
  } finally {
    server.close();
  }
});

test('bad requests get an error and nothing outside the folder', async () => {
  const server = await serveStatic({ folder });
  try {
    assert.equal((await get(server, '/missing.js')).status, 404);
    assert.equal((await get(server, '/page')).status, 404);  // a folder without an index
    assert.equal((await get(server, '/%2e%2e/secret.txt')).status, 404);
    assert.equal((await get(server, '/..%2fsecret.txt')).status, 404);
    assert.equal((await get(server, '/../site/../secret.txt')).status, 404);
    assert.equal((await get(server, '/%E0%A4%A')).status, 400);
    const post = await get(server, '/index.html', { method: 'POST' });
    assert.equal(post.status, 405);
    assert.equal(post.headers.allow, 'GET, HEAD');
    assert.equal((await get(server, '/index.html', { headers: { 'If-Modified-Since': 'yesterday' } })).status, 200);
  } finally {
    server.close();
  }
});

test('gzip is used once switched on, for a browser that takes it, and only where it makes a response smaller', async () => {
  const server = await serveStatic({ folder });
  const gzipped = { 'Accept-Encoding': 'gzip, deflate, br' };
  try {
    assert.equal((await get(server, '/page/start.js', { headers: gzipped })).headers['content-encoding'], undefined);
    server.gzip = true;
    const script = await get(server, '/page/start.js', { headers: gzipped });
    assert.equal(script.headers['content-encoding'], 'gzip');
    assert.equal(script.headers.vary, 'Accept-Encoding');
    assert.equal(Number(script.headers['content-length']), script.body.length);
    assert.equal(zlib.gunzipSync(script.body).toString(), 'export const start = 1;\n'.repeat(50));
    assert.equal((await get(server, '/page/start.js')).headers['content-encoding'], undefined);
    const noise = await get(server, '/noise.wasm', { headers: gzipped });
    assert.equal(noise.headers['content-encoding'], undefined);
    assert.equal(noise.body.length, 4000);
  } finally {
    server.close();
  }
});
