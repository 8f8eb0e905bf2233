// The board's cell cursor as plain values: which key asks what of it, by the description's
// numbers (the game moves the cursor and says what lies under it), and where a cell lies in the
// board area, where the page shows the cursor.

// Keys that mean the same with Ctrl held or not; Home and End reach further with it.
const kKeyNames = {
  ArrowLeft: 'left', ArrowRight: 'right', ArrowUp: 'up', ArrowDown: 'down',
  Home: 'rowStart', End: 'rowEnd', PageUp: 'columnTop', PageDown: 'columnBottom',
  Enter: 'press', ' ': 'press', l: 'looseEnds', L: 'looseEnds',
};
const kCtrlKeyNames = { Home: 'firstCell', End: 'lastCell' };

// The board key a keydown asks for, as boardKeys numbers it; undefined for a key the board leaves
// to the browser, as Ctrl, Alt or Meta with any other key.
export function boardKeyOf({ key, ctrlKey, altKey, metaKey }, boardKeys) {
  if (altKey || metaKey) return undefined;
  const names = ctrlKey ? kCtrlKeyNames : kKeyNames;
  return Object.hasOwn(names, key) ? boardKeys[names[key]] : undefined;
}

// The cell's box in the board area's pixels.
export function cellBox({ column, row }, { left, top, size }) {
  return { left: left + column * size, top: top + row * size, size };
}
