// The game's sounds through Web Audio, against a stand-in for the browser's audio.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { WavePlayer, waveSize } from '../../web/page/sounds.js';

it('reads a wave image\'s size from its RIFF header', () => {
  const memory = new Uint8Array(16);
  memory.set([0x52, 0x49, 0x46, 0x46, 0x34, 0x12, 0, 0], 4);
  assert.equal(waveSize(memory.buffer, 4), 0x1234 + 8);
});

// An audio context whose decodings settle when the test says, logging what plays and stops.
function audio(log) {
  const decodings = [];
  return {
    decodings, state: 'suspended', destination: 'speaker',
    resume() { this.state = 'running'; log.push('resume'); },
    decodeAudioData(buffer) {
      log.push('decode ' + buffer.byteLength);
      return new Promise((resolve, reject) => decodings.push({ resolve, reject }));
    },
    createBufferSource: () => ({
      connect: (to) => assert.equal(to, 'speaker'),
      start() { log.push('start ' + this.buffer); },
      stop() { log.push('stop ' + this.buffer); },
    }),
  };
}

const settle = () => new Promise((resolve) => setImmediate(resolve));

it('plays nothing before the first press wakes the audio, then each image decoded once', async () => {
  const log = [], context = audio(log);
  let made = 0;
  const player = new WavePlayer(() => { ++made; return context; });
  player.play(100, () => new Uint8Array(3));
  assert.equal(player.ready(), false);
  player.wake();
  player.wake();
  assert.equal(made, 1, 'one audio context for the run');
  assert.equal(player.ready(), true);
  player.play(100, () => new Uint8Array(3));
  context.decodings[0].resolve('click');
  await settle();
  player.play(100, assert.fail);
  await settle();
  assert.deepEqual(log, ['resume', 'decode 3', 'start click', 'stop click', 'start click']);
});

it('lets a new sound cut off the one playing and one still decoding, and stops on request', async () => {
  const log = [], context = audio(log);
  const player = new WavePlayer(() => context);
  player.wake();
  player.play(1, () => new Uint8Array(1));
  context.decodings[0].resolve('first');
  await settle();
  player.play(2, () => new Uint8Array(2));
  player.play(3, () => new Uint8Array(3));
  context.decodings[2].resolve('third');
  context.decodings[1].resolve('second');
  await settle();
  player.stop();
  player.play(4, () => new Uint8Array(4));
  player.stop();
  context.decodings[3].resolve('fourth');
  context.decodings[3].reject(new Error('late'));
  await settle();
  assert.deepEqual(log, ['resume', 'decode 1', 'start first', 'decode 2', 'decode 3', 'stop first', 'start third',
                         'stop third', 'decode 4']);
});

it('has no sounds in a browser without Web Audio', () => {
  const player = new WavePlayer(() => null);
  player.wake();
  player.play(1, assert.fail);
  player.stop();
  assert.equal(player.ready(), false);
});
