// How the window fits the screen: its scale, the toolbar's place, the dialogs' scale and corner.
import assert from 'node:assert/strict';
import { it } from 'node:test';
import { dialogScale, fingerDialogScale, onScreen, toolbarPlace, windowScale } from '../../web/page/screen_fit.js';

it('scales the window by a whole factor while that shows four fifths of what fits, else by what fits', () => {
  assert.equal(windowScale(1100, 900, 500, 400), 2, 'exactly twice');
  assert.equal(windowScale(1250, 2000, 500, 400), 2, 'just four fifths of 2.5');
  assert.equal(windowScale(1300, 2000, 500, 400), 2.6, '2 of 2.6 is under four fifths');
  assert.equal(windowScale(500, 300, 500, 400), 0.75, 'the height is the narrower room');
  assert.equal(windowScale(750, 800, 500, 400), 1.5, 'one of one and a half is too small');
  assert.equal(windowScale(300, 800, 500, 400), 0.6, 'smaller than 1:1 on a phone');
});

it('gives touch screens and narrow ones the touch toolbar, under a portrait window and beside a landscape one', () => {
  assert.equal(toolbarPlace({ width: 1280, height: 800, coarse: false }), 'window');
  assert.equal(toolbarPlace({ width: 600, height: 900, coarse: false }), 'window');
  assert.equal(toolbarPlace({ width: 599, height: 900, coarse: false }), 'below');
  assert.equal(toolbarPlace({ width: 820, height: 820, coarse: true }), 'below', 'a square screen counts as upright');
  assert.equal(toolbarPlace({ width: 844, height: 390, coarse: true }), 'beside');
  assert.equal(toolbarPlace({ width: 500, height: 300, coarse: false }), 'beside');
});

it('scales a dialog with the window, never under 12/11, never wider than the screen', () => {
  assert.equal(dialogScale(2, 1000, 300), 2);
  assert.equal(dialogScale(0.5, 1000, 300), 12 / 11);
  assert.equal(dialogScale(2, 450, 300), 1.5);
});

it('sizes a dialog for fingers by the room, up to twice, scrolling what no readable scale fits', () => {
  // A phone upright: the width decides.
  assert.deepEqual(fingerDialogScale({ width: 374, height: 828 }, { width: 300, height: 190 }, 100), { scale: 374 / 300, scrollHeight: null });
  // A large tablet: twice at most.
  assert.deepEqual(fingerDialogScale({ width: 1000, height: 1000 }, { width: 300, height: 190 }, 100), { scale: 2, scrollHeight: null });
  // Sideways, a short dialog is scaled to the height left once the fixed parts are in.
  assert.deepEqual(fingerDialogScale({ width: 828, height: 374 }, { width: 300, height: 237 }, 100), { scale: 2, scrollHeight: null });
  assert.deepEqual(fingerDialogScale({ width: 828, height: 374 }, { width: 300, height: 300 }, 100), { scale: 1.37, scrollHeight: null });
  // A tall one keeps words of 12 pixels and scrolls its client area in the height left.
  assert.deepEqual(fingerDialogScale({ width: 828, height: 374 }, { width: 317, height: 430 }, 100),
                   { scale: 12 / 11, scrollHeight: 274 / (12 / 11) });
  assert.deepEqual(fingerDialogScale({ width: 828, height: 374 }, { width: 317, height: 390 }, 100),
                   { scale: 12 / 11, scrollHeight: 274 / (12 / 11) }, 'just too tall at 12 pixels');
});

it('moves a dialog just as far as it takes to stay on the screen', () => {
  const screen = { width: 400, height: 800 };
  assert.deepEqual(onScreen({ left: 10, top: 20 }, { width: 300, height: 100 }, screen), { left: 10, top: 20 });
  assert.deepEqual(onScreen({ left: -5, top: -1 }, { width: 300, height: 100 }, screen), { left: 0, top: 0 });
  assert.deepEqual(onScreen({ left: 150, top: 750 }, { width: 300, height: 100 }, screen), { left: 100, top: 700 });
  assert.deepEqual(onScreen({ left: 150, top: 0 }, { width: 500, height: 100 }, screen), { left: 0, top: 0 }, 'wider than the screen');
});
