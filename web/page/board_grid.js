// The board for a player at the keyboard or with a screen reader: the canvas is a grid of the
// board's cells (its fallback content, which a screen reader reads and the canvas never draws),
// its active cell the one under the cell cursor and named in the game's words for it. The board's
// keys go to the game, which moves the cursor; the cursor shows over the canvas, never in its
// pixels, while the keyboard plays the board, and a mouse or finger press hides it.
import { boardKeyOf, cellBox } from './board_cursor.js';

export class BoardGrid {
  // sendKey(key) hands a board key, by its boardKeys number, to the game.
  constructor(box, { cells, boardKeys }, sendKey) {
    this.box = box;
    this.cells = cells;
    box.tabIndex = 0;
    box.setAttribute('role', 'grid');
    this.gridCells = [];
    const rows = [];
    for (let row = 0; row < cells.rows; ++row) {
      const rowElement = document.createElement('div');
      rowElement.setAttribute('role', 'row');
      for (let column = 0; column < cells.columns; ++column) {
        const cell = document.createElement('div');
        cell.setAttribute('role', 'gridcell');
        cell.id = `cell-${column + 1}-${row + 1}`;
        rowElement.append(cell);
        this.gridCells.push(cell);
      }
      rows.push(rowElement);
    }
    box.replaceChildren(...rows);
    this.mark = document.createElement('div');
    this.mark.id = 'cellcursor';
    this.mark.hidden = true;
    box.after(this.mark);
    this.cursor = null;
    const hide = () => { this.mark.hidden = true; };
    box.addEventListener('focus', () => { if (box.matches(':focus-visible')) this.showMark(); });
    box.addEventListener('blur', hide);
    box.addEventListener('pointerdown', hide);
    box.addEventListener('keydown', (event) => {
      const key = boardKeyOf(event, boardKeys);
      if (key === undefined) return;
      event.preventDefault();
      this.showMark();
      sendKey(key);
    });
    // The window's layout moves the board when the screen changes.
    addEventListener('resize', () => this.placeMark());
  }

  // The cursor on (column, row), counted from 0, and the words its cell is told in. Only the
  // active cell carries words: the game tells no other cell's.
  moveCursor(column, row, words) {
    const cell = this.gridCells[row * this.cells.columns + column];
    if (this.active !== cell) this.active?.replaceChildren();
    this.active = cell;
    cell.textContent = words;
    this.box.setAttribute('aria-activedescendant', cell.id);
    this.cursor = { column, row };
    this.placeMark();
  }

  showMark() {
    this.mark.hidden = this.cursor === null;
    this.placeMark();
  }

  placeMark() {
    if (this.cursor === null) return;
    const { left, top, size } = cellBox(this.cursor, this.cells);
    Object.assign(this.mark.style, { left: this.box.offsetLeft + left + 'px', top: this.box.offsetTop + top + 'px',
                                     width: size + 'px', height: size + 'px' });
  }
}
