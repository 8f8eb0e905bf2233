// The board for a keyboard player: it takes the focus, names itself, and shows a cell cursor
// over the module's pixels (never in them); the arrow keys move the cursor, Enter or Space press
// its cell as a click in its middle would; tell(cell) says where the cursor has gone.
import { cellBox, cellMiddle, movedCursor } from './board_cursor.js';

export function offerBoardKeys(box, cells, press, tell) {
  box.tabIndex = 0;
  box.setAttribute('role', 'application');
  const mark = document.createElement('div');
  mark.id = 'cellcursor';
  mark.hidden = true;
  box.after(mark);
  let cell = { column: Math.floor(cells.columns / 2), row: Math.floor(cells.rows / 2) };
  const show = () => {
    const { left, top, size } = cellBox(cell, cells);
    Object.assign(mark.style, { left: box.offsetLeft + left + 'px', top: box.offsetTop + top + 'px', width: size + 'px', height: size + 'px' });
    mark.hidden = false;
  };
  box.addEventListener('focus', show);
  box.addEventListener('blur', () => { mark.hidden = true; });
  box.addEventListener('keydown', (event) => {
    const moved = movedCursor(cell, event.key, cells);
    if (moved) {
      cell = moved;
      show();
      tell(cell);
    } else if (event.key === 'Enter' || event.key === ' ') {
      const { x, y } = cellMiddle(cell, cells);
      press(x, y);
    } else {
      return;
    }
    event.preventDefault();
  });
}
