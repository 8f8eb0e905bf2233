// The level selector's thumb and keys.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { dragPosition, keyRequest, thumbOffset } from '../../web/page/selector.js';

it('puts the thumb at the share of the range its position stands for, rounded', () => {
  assert.deepEqual([1, 2, 250, 500].map((position) => thumbOffset(50, position, 500)), [0, 0, 25, 50]);
  assert.equal(thumbOffset(50, 4, 5), 38);
  assert.equal(thumbOffset(50, 1, 1), 0, 'a range of one level');
});

it('gives the position a drag reaches, from where the thumb was grabbed, inside the track', () => {
  const drag = (pointerX) => dragPosition({ pointerX, grab: 5, trackLeft: 100, room: 50, last: 11 });
  assert.deepEqual([105, 127, 130, 155].map(drag), [1, 5, 6, 11]);
  assert.deepEqual([0, 400].map(drag), [1, 11], 'beyond the track');
  assert.equal(dragPosition({ pointerX: 200, grab: 0, trackLeft: 0, room: 0, last: 9 }), 1, 'no room to move');
});

it('makes the requests of a horizontal scroll bar from the keys, by the description numbers', () => {
  const requests = { lineLeft: 20, lineRight: 21, pageLeft: 22, pageRight: 23, first: 24, last: 25 };
  const keys = ['ArrowLeft', 'ArrowUp', 'ArrowRight', 'ArrowDown', 'PageUp', 'PageDown', 'Home', 'End'];
  assert.deepEqual(keys.map((key) => keyRequest(key, requests)), [20, 20, 21, 21, 22, 23, 24, 25]);
  assert.deepEqual(['Enter', 'a', 'toString'].map((key) => keyRequest(key, requests)), [undefined, undefined, undefined]);
});
