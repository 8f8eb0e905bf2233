// A small static web server for the benchmark: one folder, and pages held in memory, on a free
// port of 127.0.0.1. It answers as a plain static host does: Last-Modified, a 304 to a matching
// If-Modified-Since, and ten minutes of freshness (what GitHub Pages gives), so that a warm visit
// meets the same cache whenever the page was built; the browser's own guess from Last-Modified
// would depend on the files' age. It sends no compression unless told to, and then gzips whatever
// gzip makes smaller.
'use strict';
const fs = require('node:fs/promises');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');

const kTypes = { '.html': 'text/html', '.htm': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                 '.wasm': 'application/wasm', '.png': 'image/png', '.bmp': 'image/bmp', '.ico': 'image/x-icon',
                 '.json': 'application/json', '.webp': 'image/webp' };

const typeOf = (name) => kTypes[path.extname(name).toLowerCase()] || 'application/octet-stream';

// The file an address names inside the folder, or null when it names none (or points outside).
async function fileFor(folder, address) {
  if (!folder) return null;
  const root = path.resolve(folder);
  let file = path.resolve(root, '.' + address);
  if (file !== root && !file.startsWith(root + path.sep)) return null;
  try {
    let stat = await fs.stat(file);
    if (stat.isDirectory()) {
      file = path.join(file, 'index.html');
      stat = await fs.stat(file);
    }
    return stat.isFile() ? { name: file, modified: stat.mtime, read: () => fs.readFile(file) } : null;
  } catch {
    return null;
  }
}

// HTTP dates have whole seconds: a file changed within the second still counts as unchanged.
const wholeSeconds = (date) => Math.floor(date.getTime() / 1000);

function notModified(request, modified) {
  const since = Date.parse(request.headers['if-modified-since'] || '');
  return !Number.isNaN(since) && wholeSeconds(modified) <= since / 1000;
}

async function answer(server, request, response) {
  if (request.method !== 'GET' && request.method !== 'HEAD') {
    response.writeHead(405, { Allow: 'GET, HEAD' }).end();
    return;
  }
  let address;
  try {
    address = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
  } catch {
    response.writeHead(400).end();
    return;
  }
  const held = server.pages[address];
  const file = held ? { name: address, modified: server.startedAt, read: async () => Buffer.from(held) }
                    : await fileFor(server.folder, address);
  if (!file) {
    response.writeHead(404).end();
    return;
  }
  const headers = { 'Content-Type': typeOf(file.name), 'Last-Modified': file.modified.toUTCString(),
                    'Cache-Control': 'max-age=600' };
  if (notModified(request, file.modified)) {
    response.writeHead(304, headers).end();
    return;
  }
  let body = await file.read();
  if (server.gzip) {
    headers.Vary = 'Accept-Encoding';
    const zipped = /\bgzip\b/.test(request.headers['accept-encoding'] || '') ? zlib.gzipSync(body) : body;
    if (zipped.length < body.length) {
      body = zipped;
      headers['Content-Encoding'] = 'gzip';
    }
  }
  headers['Content-Length'] = body.length;
  response.writeHead(200, headers);
  response.end(request.method === 'HEAD' ? undefined : body);
}

// Serves `folder` (may be null) and `pages`, a map from address to content; listening once the
// promise resolves. Set `gzip` on the server to compress from the next response on.
function serveStatic({ folder = null, pages = {} }) {
  const server = http.createServer((request, response) => {
    answer(server, request, response).catch(() => {
      if (!response.headersSent) response.writeHead(500);
      response.end();
    });
  });
  Object.assign(server, { folder, pages, gzip: false, startedAt: new Date() });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => resolve(server));
  });
}

const addressOf = (server, page) => `http://127.0.0.1:${server.address().port}/${page}`;

module.exports = { serveStatic, addressOf };
