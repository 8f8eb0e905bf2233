// The keyboard's cell cursor on the board.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { cellBox, cellMiddle, cursorWords, movedCursor } from '../../web/page/board_cursor.js';

const cells = { left: 22, top: 20, size: 48, columns: 9, rows: 7 };

it('moves the cursor a cell per arrow key and keeps it on the board', () => {
  const from = { column: 4, row: 3 };
  assert.deepEqual(['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'].map((key) => movedCursor(from, key, cells)),
                   [{ column: 3, row: 3 }, { column: 5, row: 3 }, { column: 4, row: 2 }, { column: 4, row: 4 }]);
  assert.deepEqual(movedCursor({ column: 0, row: 0 }, 'ArrowLeft', cells), { column: 0, row: 0 });
  assert.deepEqual(movedCursor({ column: 0, row: 0 }, 'ArrowUp', cells), { column: 0, row: 0 });
  assert.deepEqual(movedCursor({ column: 8, row: 6 }, 'ArrowRight', cells), { column: 8, row: 6 });
  assert.deepEqual(movedCursor({ column: 8, row: 6 }, 'ArrowDown', cells), { column: 8, row: 6 });
  assert.equal(movedCursor(from, 'Enter', cells), null);
  assert.equal(movedCursor(from, 'toString', cells), null);
});

it('presses the middle of the cell under the cursor', () => {
  assert.deepEqual(cellBox({ column: 2, row: 1 }, cells), { left: 118, top: 68, size: 48 });
  assert.deepEqual(cellMiddle({ column: 0, row: 0 }, cells), { x: 46, y: 44 });
  assert.deepEqual(cellMiddle({ column: 1, row: 1 }, { left: 0, top: 0, size: 5 }), { x: 7, y: 7 });
});

it('says where the cursor is, counting from 1', () => {
  assert.equal(cursorWords({ column: 0, row: 6 }, 'Column {column}, row {row}'), 'Column 1, row 7');
  assert.equal(cursorWords({ column: 8, row: 0 }, '{row}/{column}'), '1/9');
});
