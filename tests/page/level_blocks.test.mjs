// The level chooser's blocks of levels and its words.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { blockOf, levelBlocks, solvedIn, wordsWith } from '../../web/page/level_blocks.js';

it('offers every level once, in blocks of fifty, the last block as short as the levels left', () => {
  const blocks = levelBlocks(500);
  assert.equal(blocks.length, 10);
  assert.deepEqual([blocks[0], blocks[2], blocks[9]], [{ first: 1, last: 50 }, { first: 101, last: 150 }, { first: 451, last: 500 }]);
  assert.deepEqual(levelBlocks(120), [{ first: 1, last: 50 }, { first: 51, last: 100 }, { first: 101, last: 120 }]);
  assert.deepEqual(levelBlocks(1), [{ first: 1, last: 1 }]);
  // The chooser opens on the block that holds the level played.
  for (const level of [1, 50, 51, 137, 451, 500]) {
    const block = blocks[blockOf(level)];
    assert.ok(block.first <= level && level <= block.last, `level ${level}`);
  }
});

it('counts the solved levels of a block, its first and last included', () => {
  const solved = Array(500).fill(false);
  for (const level of [50, 51, 100, 101]) solved[level - 1] = true;
  assert.deepEqual(levelBlocks(500).slice(0, 3).map((block) => solvedIn(block, solved)), [1, 2, 1]);
});

it('fills in the numbers the words name, and leaves a name it is not given as it stands', () => {
  assert.equal(wordsWith('Stufen {first} bis {last}, {solved} davon gelöst', { first: 51, last: 100, solved: 0 }),
               'Stufen 51 bis 100, 0 davon gelöst');
  assert.equal(wordsWith('Level {level} of {count}', { level: 7 }), 'Level 7 of {count}');
  assert.equal(wordsWith('{toString}', {}), '{toString}');
});
