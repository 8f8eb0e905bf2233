// The progress kept in the browser's storage.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { ProgressStore, openStorage, solvedLevels, startSettings } from '../../web/page/progress.js';

// A storage that keeps what it is given, counts the writes, and fills up after `room` of them.
function storage(room = Infinity) {
  const items = new Map();
  return {
    items, writes: 0,
    getItem: (key) => (items.has(key) ? items.get(key) : null),
    setItem(key, value) {
      if (++this.writes > room) throw new DOMException('full', 'QuotaExceededError');
      items.set(key, value);
    },
    removeItem: (key) => items.delete(key),
  };
}

it('keeps each progress line under its key, and gives them back to the next start', () => {
  const kept = storage();
  new ProgressStore(kept, assert.fail).keep('1\n42\n/game/my.vlm\n0107\n0');
  assert.equal(kept.items.get('verlumo.save'), '/game/my.vlm');
  assert.deepEqual(startSettings(new ProgressStore(kept), -1), { language: 1, level: 42, sound: 0, name: '/game/my.vlm', flags: '0107' });
});

it('reads which levels are solved from the flags, two hex digits a level, any but 00 solved', () => {
  assert.deepEqual(solvedLevels('1\n3\n\n0001ff10a0000\n1'), [false, true, true, true, true, false]);
  assert.deepEqual(solvedLevels('1\n1\n\n\n1'), [], 'no flags kept');
  assert.deepEqual(solvedLevels(''), []);
});

it('starts a newcomer with no language, level 1, the sound on, and no game file or flags', () => {
  assert.deepEqual(startSettings(new ProgressStore(storage()), -9), { language: -9, level: 1, sound: 1, name: '', flags: null });
  assert.deepEqual(startSettings(new ProgressStore(null), -9), { language: -9, level: 1, sound: 1, name: '', flags: null });
});

it('writes only when the progress has changed', () => {
  const kept = storage(), progress = new ProgressStore(kept, assert.fail);
  progress.keep('0\n1\n\n00\n1');
  progress.keep('0\n1\n\n00\n1');
  assert.equal(kept.writes, 5);
  progress.keep('0\n2\n\n00\n1');
  assert.equal(kept.writes, 10);
});

it('lets go of a full storage, says so once, and goes on without it', () => {
  const kept = storage(7);
  let told = 0;
  const progress = new ProgressStore(kept, () => ++told);
  progress.keep('0\n1\n\n00\n1');
  progress.keep('0\n2\n\n00\n1');
  progress.keep('0\n3\n\n00\n1');
  assert.equal(told, 1);
  assert.equal(kept.writes, 8);
  assert.equal(progress.read('level', 'none'), 'none');
});

it('opens a storage that takes a write, leaving nothing behind, and none that refuses', () => {
  const kept = storage();
  assert.equal(openStorage(() => kept), kept);
  assert.equal(kept.items.size, 0);
  assert.equal(openStorage(() => { throw new DOMException('refused', 'SecurityError'); }), null);
  assert.equal(openStorage(() => storage(0)), null);
});
