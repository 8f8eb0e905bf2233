// The names of game files coming in and going out.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { chosenFilePath, downloadName, extensionOf } from '../../web/page/file_names.js';

it('puts a chosen file into the game folder under its own name, whatever folders it names', () => {
  assert.equal(chosenFilePath('/game/', 'a/b\\c.vlm'), '/game/a_b_c.vlm');
});

it('offers a download under the file name only, and takes the extension from a file name', () => {
  assert.equal(downloadName('/game/my game.vlm'), 'my game.vlm');
  assert.equal(downloadName('plain.vlm'), 'plain.vlm');
  assert.equal(extensionOf('untitled.v1.sav'), '.sav');
});
