// The keyboard's cell cursor on the board: which key asks what of the game, and where a cell lies.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { boardKeyOf, cellBox } from '../../web/page/board_cursor.js';

const boardKeys = { left: 0, right: 1, up: 2, down: 3, rowStart: 4, rowEnd: 5, columnTop: 6, columnBottom: 7,
                    firstCell: 8, lastCell: 9, press: 10, looseEnds: 11 };
const key = (name, modifiers = {}) => boardKeyOf({ key: name, ctrlKey: false, altKey: false, metaKey: false, ...modifiers }, boardKeys);

it('asks the game for the board key each key stands for, by the description numbers', () => {
  const keys = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown', 'Home', 'End', 'PageUp', 'PageDown', 'Enter', ' ', 'l', 'L'];
  assert.deepEqual(keys.map((name) => key(name)), [0, 1, 2, 3, 4, 5, 6, 7, 10, 10, 11, 11]);
  assert.deepEqual([key('Home', { ctrlKey: true }), key('End', { ctrlKey: true })], [8, 9], 'Ctrl reaches the board\'s corners');
});

it('leaves every other key, and the browser\'s own shortcuts, to the browser', () => {
  for (const name of ['Tab', 'Escape', 'a', 'toString']) assert.equal(key(name), undefined, name);
  assert.equal(key('l', { ctrlKey: true }), undefined, 'Ctrl+L goes to the address bar');
  assert.equal(key('ArrowLeft', { altKey: true }), undefined, 'Alt+Left goes back');
  assert.equal(key('ArrowRight', { ctrlKey: true }), undefined);
  assert.equal(key('Enter', { metaKey: true }), undefined);
});

it('places the cursor on the cell\'s box in the board area', () => {
  assert.deepEqual(cellBox({ column: 2, row: 1 }, { left: 22, top: 20, size: 48 }), { left: 118, top: 68, size: 48 });
});
