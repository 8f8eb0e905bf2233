// Presses made while the game starts: none lost, none played early, none out of order.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { PressQueue } from '../../web/page/press_queue.js';

it('keeps presses until released, then plays them in order, each after the one before has ended', async () => {
  const queue = new PressQueue();
  const played = [];
  const press = (name) => async () => {
    played.push(name + ' begins');
    await new Promise((resolve) => setTimeout(resolve, 1));
    played.push(name + ' ends');
  };
  assert.equal(queue.keep(press('first')), true);
  assert.equal(queue.keep(press('second')), true);
  assert.deepEqual(played, []);
  await queue.release();
  assert.deepEqual(played, ['first begins', 'first ends', 'second begins', 'second ends']);
  assert.equal(queue.keep(press('later')), false, 'once released, the caller plays its press itself');
  assert.equal(played.length, 4);
});

it('plays a press made while the kept ones are played after them, not lost and not first', async () => {
  const queue = new PressQueue();
  const played = [];
  queue.keep(async () => {
    played.push('kept');
    queue.keep(async () => played.push('meanwhile'));
  });
  await queue.release();
  assert.deepEqual(played, ['kept', 'meanwhile']);
  assert.equal(queue.open, true);
});
