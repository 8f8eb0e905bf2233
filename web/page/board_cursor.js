// The keyboard's cell cursor on the board, as plain numbers: where an arrow key moves it, and the
// point of the board area a press of its cell goes to, as a click in the cell's middle would.

const kSteps = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };

// The cell the key moves the cursor to, staying on the board; null for any other key.
export function movedCursor({ column, row }, key, { columns, rows }) {
  if (!Object.hasOwn(kSteps, key)) return null;
  const [right, down] = kSteps[key];
  return { column: Math.min(columns - 1, Math.max(0, column + right)), row: Math.min(rows - 1, Math.max(0, row + down)) };
}

// The cell's box in the board area's pixels.
export function cellBox({ column, row }, { left, top, size }) {
  return { left: left + column * size, top: top + row * size, size };
}

// The cell's middle, where its press goes.
export function cellMiddle(cell, cells) {
  const box = cellBox(cell, cells);
  const half = Math.floor(box.size / 2);
  return { x: box.left + half, y: box.top + half };
}

// Where the cursor is, in the words given, counting from 1 as a player does.
export function cursorWords({ column, row }, words) {
  return words.replace('{column}', column + 1).replace('{row}', row + 1);
}
