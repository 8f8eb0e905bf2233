// The pictures the page needs and the key colour left out of a button's picture.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { it } from 'node:test';
import { clearKeyColour, dialogPictureNames, pictureNames, toolbarPictureNames } from '../../web/page/pictures.js';

it('loads every picture the toolbar and the dialogs name, each once', () => {
  const description = JSON.parse(readFileSync(new URL('sample_description.json', import.meta.url)));
  assert.deepEqual(pictureNames(description).sort(), ['btn_lang', 'btn_mute', 'btn_start', 'dlg_no', 'logo']);
});

it('waits at the first board for the toolbar\'s pictures only, and opens a dialog with its own', () => {
  const description = JSON.parse(readFileSync(new URL('sample_description.json', import.meta.url)));
  assert.deepEqual(toolbarPictureNames(description).sort(), ['btn_mute', 'btn_start']);
  assert.deepEqual(dialogPictureNames(description, 'about'), ['logo', 'btn_lang']);
  assert.deepEqual(dialogPictureNames(description, 'ask'), ['btn_start', 'dlg_no']);
  assert.deepEqual(dialogPictureNames(description, 'name'), []);
});

it('leaves out every pixel of the bottom-left pixel colour, whatever its alpha, and no other', () => {
  const key = [9, 8, 7], near = [[10, 8, 7], [9, 9, 7], [9, 8, 8]];
  // 2 x 3 pixels: the key colour at the bottom left, once more at the top right.
  const rgba = Uint8ClampedArray.from([...near[0], 255, ...key, 200, ...near[1], 255, ...near[2], 255, ...key, 255, 1, 2, 3, 255]);
  clearKeyColour(rgba, 2);
  assert.deepEqual([3, 7, 11, 15, 19, 23].map((alpha) => rgba[alpha]), [255, 0, 255, 255, 0, 255]);
});
