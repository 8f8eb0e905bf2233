// The page asks for every module of its script at once: each one start.js imports, directly or
// through another, has its modulepreload in index.html, and none is preloaded that is not used.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { it } from 'node:test';

const page = new URL('../../web/', import.meta.url);

function importedModules(name, found = new Set()) {
  found.add(name);
  const source = readFileSync(new URL(name, page), 'utf8');
  for (const [, imported] of source.matchAll(/^import .* from '\.\/([\w.]+)';$/gm)) {
    if (!found.has('page/' + imported)) importedModules('page/' + imported, found);
  }
  return found;
}

it('preloads exactly the modules the page script imports', () => {
  const html = readFileSync(new URL('index.html', page), 'utf8');
  const preloaded = [...html.matchAll(/<link rel="modulepreload" href="([^"]+)">/g)].map(([, href]) => href);
  assert.deepEqual(preloaded.sort(), [...importedModules('page/start.js')].sort());
});
