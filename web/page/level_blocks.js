// The level chooser's levels as plain values: the blocks of fifty levels it offers first, the
// block a level is in, how many of a block are solved, and its words with their numbers filled
// in. level_chooser.js shows them.

export const kBlockSize = 50;

// The blocks from level 1 to the last, fifty levels each; the last block may be shorter.
export function levelBlocks(last) {
  const blocks = [];
  for (let first = 1; first <= last; first += kBlockSize) blocks.push({ first, last: Math.min(last, first + kBlockSize - 1) });
  return blocks;
}

// The index of the block that holds the level.
export function blockOf(level) {
  return Math.floor((level - 1) / kBlockSize);
}

// How many of the block's levels are solved; solved[level - 1] tells a level.
export function solvedIn(block, solved) {
  return solved.slice(block.first - 1, block.last).filter(Boolean).length;
}

// The words with each {name} replaced by the number of that name.
export function wordsWith(words, numbers) {
  return words.replace(/\{(\w+)\}/g, (marker, name) => (Object.hasOwn(numbers, name) ? String(numbers[name]) : marker));
}
