// Where the page's dialogs go and how they answer.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { it } from 'node:test';
import { dialogPosition, escapeResult, fieldAnswer, framedAsDefault, namesItsPage, splashPosition }
  from '../../web/page/dialog_rules.js';

const { dialogs } = JSON.parse(readFileSync(new URL('sample_description.json', import.meta.url)));
const button = (dialog, name) => dialogs[dialog].controls.find((control) => control.name === name);

it('places a dialog centred across the main window, up from its bottom by half the client and the dialog, truncated', () => {
  const main = { left: 10, top: 20, width: 301, height: 200 };
  assert.deepEqual(dialogPosition(main, 181, { width: 100, height: 50 }), { left: 110, top: 104 });
  // Wider than the window: truncated toward zero, as the Windows game's integer division does.
  assert.deepEqual(dialogPosition({ left: 0, top: 0, width: 100, height: 9 }, 0, { width: 105, height: 21 }),
                   { left: -2, top: -1 });
});

it('places the splash across the main window and in the middle of the screen height', () => {
  assert.deepEqual(splashPosition({ left: 10, top: 20, width: 301, height: 200 }, 601, { width: 100, height: 50 }),
                   { left: 110, top: 275 });
});

it('answers Escape with the cancel button, without one as the close box, and ends the splash as a click does', () => {
  const description = JSON.parse(readFileSync(new URL('sample_description.json', import.meta.url)));
  assert.equal(escapeResult(dialogs.ask, description), 17);
  assert.equal(escapeResult({ ...dialogs.about, closeResult: 5 }, description), 5);
  assert.equal(escapeResult({ caption: '', closeResult: 5, controls: [] }, description), 11);
});

it('frames the default button and every picture button that does not cancel', () => {
  assert.deepEqual(dialogs.ask.controls.filter((c) => c.kind === 'button').map(framedAsDefault), [true, false]);
  assert.equal(framedAsDefault(button('about', 'lang')), true);
  assert.deepEqual([button('name', 'save'), button('name', 'cancel')].map(framedAsDefault), [true, false]);
});

it('keeps a link that names its page blue once used, not one that shows its address', () => {
  assert.equal(namesItsPage(button('about', 'club')), true);
  assert.equal(namesItsPage(button('about', 'mail')), false);
});

it('answers a field dialog with the trimmed text when its default button closed it, else with null', () => {
  assert.equal(fieldAnswer(dialogs.name, 11, '  my game '), 'my game');
  assert.equal(fieldAnswer(dialogs.name, 12, 'my game'), null);
  assert.equal(fieldAnswer(dialogs.ask, 11, 'my game'), null);
});
