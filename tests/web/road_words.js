// A board as a player who only hears it knows it: each cell's words turned into the tile's road
// edges, the arrangement in which every road joins its neighbour worked out from them, and the
// presses that carry the car until the board shows it.
'use strict';

const kColumns = 9, kRows = 7;
const kSides = ['top', 'right', 'bottom', 'left'];  // the order the words name them in
const kKinds = { 'two-lane road': 1, 'bridge road': 2, lane: 3 };
const kRoads = /(two-lane road|bridge road|lane) ((?:top|right|bottom|left)(?:(?:, | and )(?:top|right|bottom|left))*)/g;

// "Column 3, row 2: bend, two-lane road top and right, carries the car; joined top, loose right":
// the road edge on each side (0 for none), whether the tile is fixed, whether it carries the car.
function tileOf(words) {
  const tile = words.slice(words.indexOf(': ') + 2).split(';')[0];
  const edges = [0, 0, 0, 0];
  for (const [, kind, sides] of tile.matchAll(kRoads)) {
    for (const side of sides.split(/, | and /)) edges[kSides.indexOf(side)] = kKinds[kind];
  }
  return { edges, fixed: /, fixed(?=,|$)/.test(tile), car: tile.endsWith(', carries the car') };
}

// The cell beyond a side of the cell (row by row, from the top left), or -1 off the board.
function neighbour(cell, side) {
  const column = cell % kColumns, row = Math.floor(cell / kColumns);
  const [right, down] = [[0, -1], [1, 0], [0, 1], [-1, 0]][side];
  const [c, r] = [column + right, row + down];
  return c < 0 || c >= kColumns || r < 0 || r >= kRows ? -1 : r * kColumns + c;
}

// Edges for every cell such that each pair of facing edges is equal and no road runs off the
// board: the fixed tiles stay, the movable ones are placed by backtracking. Null if none exists.
function solvedEdges(tiles) {
  const placed = tiles.map((tile) => (tile.fixed ? tile.edges : null));
  const unplaced = new Map();  // edges as a key -> how many movable tiles have them
  for (const tile of tiles.filter((t) => !t.fixed)) unplaced.set(tile.edges.join(), (unplaced.get(tile.edges.join()) ?? 0) + 1);
  const fits = (cell, edges) => edges.every((edge, side) => {
    const other = neighbour(cell, side);
    const facing = other < 0 ? 0 : placed[other]?.[(side + 2) % 4];
    return facing === undefined || facing === edge;
  });
  const open = tiles.map((tile, cell) => cell).filter((cell) => !tiles[cell].fixed);
  const place = (at) => {
    if (at === open.length) return true;
    const cell = open[at];
    for (const [key, count] of unplaced) {
      const edges = key.split(',').map(Number);
      if (count === 0 || !fits(cell, edges)) continue;
      unplaced.set(key, count - 1);
      placed[cell] = edges;
      if (place(at + 1)) return true;
      placed[cell] = null;
      unplaced.set(key, count);
    }
    return false;
  };
  return place(0) ? placed : null;
}

// The cells to press, in order: each press moves the car's tile to the pressed cell and the
// pressed tile to where the car was.
function solvingPresses(tiles) {
  const wanted = solvedEdges(tiles);
  if (!wanted) throw new Error('no arrangement of these tiles joins every road');
  const current = tiles.map((tile) => tile.edges.join());
  const target = wanted.map((edges) => edges.join());
  let car = tiles.findIndex((tile) => tile.car);
  const presses = [];
  while (presses.length < 500) {
    const misplaced = current.map((_, cell) => cell).filter((cell) => cell !== car && !tiles[cell].fixed && current[cell] !== target[cell]);
    if (misplaced.length === 0) break;
    const next = misplaced.find((cell) => current[cell] === target[car]) ?? misplaced[0];
    [current[car], current[next]] = [current[next], current[car]];
    car = next;
    presses.push({ column: next % kColumns + 1, row: Math.floor(next / kColumns) + 1 });
  }
  return presses;
}

module.exports = { kColumns, kRows, tileOf, solvingPresses };
