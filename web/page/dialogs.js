// The dialogs, built from the description: a frame with a title bar and a close box over the main
// window, and in its client area the controls at their boxes. Escape presses the cancel button,
// Enter in a field the default button. Each dialog is a promise of its result; an open dialog
// takes the words of a new language at once.
import { dialogPosition, escapeResult, framedAsDefault, namesItsPage, splashPosition } from './dialog_rules.js';
import { windowZoom } from './layout.js';
import { dialogScale, fingerDialogScale, onScreen } from './screen_fit.js';

const kAutoSizedLine = 16;  // a label sized by its words takes a line of about this height
const kFingerMargin = 8;    // around a dialog for fingers, and under its last control
const open = new Set();       // the dialogs shown: each one's rewording
const linkStates = new Map(); // the info dialog's links, by name: used, switched off, for the run

function made(tag, className, text) {
  const element = document.createElement(tag);
  if (className) element.className = className;
  if (text !== undefined) element.textContent = text;
  return element;
}

// At the box's corner; at its size too where the box has one.
function place(element, [left, top, width, height]) {
  element.style.left = left + 'px';
  element.style.top = top + 'px';
  if (width) element.style.width = width + 'px';
  if (height) element.style.height = height + 'px';
  return element;
}

const encloses = ([left, top, width, height], [innerLeft, innerTop, innerWidth, innerHeight]) =>
  innerLeft >= left && innerTop >= top && innerLeft + innerWidth <= left + width && innerTop + innerHeight <= top + height;

function link(control) {
  const anchor = made('a', 'link', control.text);
  const state = linkStates.get(control.name) || { used: false, off: false };
  linkStates.set(control.name, state);
  const show = () => {
    anchor.classList.toggle('used', state.used && !namesItsPage(control));
    anchor.classList.toggle('off', state.off);
  };
  anchor.addEventListener('pointerdown', () => { if (!state.off) { state.used = true; show(); } });
  // An address makes the link a stop of the keyboard, whose Enter clicks it; the page opens it.
  anchor.href = control.address;
  anchor.addEventListener('click', (event) => {
    event.preventDefault();
    if (state.off) return;
    if (!window.open(control.address, '_blank')) state.off = true;
    show();
  });
  show();
  return anchor;
}

// Tab and Shift+Tab go round the dialog's own controls, never out to the page behind it.
export function keepFocusInside(frame, event) {
  const stops = Array.from(frame.querySelectorAll('button, input, a')).filter((element) => !element.hidden);
  const at = stops.indexOf(document.activeElement);
  const next = (at + (event.shiftKey ? -1 : 1) + stops.length) % stops.length;
  event.preventDefault();
  stops[at < 0 ? 0 : next].focus();
}

export function openDialogs() {
  return open.size;
}

// Every open dialog in the words of the new description.
export function rewordDialogs(description) {
  for (const reword of open) reword(description);
}

// Shows the dialog of that name; resolves to its result. message: the words of a message box;
// field: the field's first text; actions: what a button does that keeps the dialog open, by name.
export function showDialog(description, name, { pictures, message, field, actions = {} }) {
  const dialog = description.dialogs[name];
  // A dialog without a caption is the splash: no title bar, and closed by a click anywhere. One
  // given its message is a message box of the page's own, in the system's look.
  const frame = made('div', 'dialog frame' + (dialog.bold ? ' bold' : '') + (dialog.caption ? '' : ' bare') +
                            (message !== undefined ? ' box' : ''));
  frame.setAttribute('role', 'dialog');
  frame.setAttribute('aria-modal', 'true');
  const focusBefore = document.activeElement;
  frame.dataset.dialog = name;
  const client = made('div', 'client');
  client.style.width = dialog.width + 'px';
  client.style.height = dialog.height + 'px';
  const worded = [];  // [control's index, sets its words]
  let settle;
  const result = new Promise((resolve) => { settle = resolve; });
  const finish = (value) => {
    if (!frame.isConnected) return;
    frame.remove();
    open.delete(reword);
    if (open.size === 0) modal.hidden = true;
    focusBefore?.focus?.();
    settle(value);
  };
  let caption = null;
  if (dialog.caption) {
    const bar = made('div', 'titlebar');
    caption = made('span', 'caption', dialog.caption);
    caption.id = 'caption-' + name;
    frame.setAttribute('aria-labelledby', caption.id);
    const close = made('button', 'close', '\u00d7');
    close.title = description.texts.close;
    close.setAttribute('aria-label', description.texts.close);  // not "times", for the sign it shows
    close.addEventListener('click', () => finish(dialog.closeResult));
    bar.append(caption, close);
    frame.append(bar);
  }
  // The splash, without a title bar, is named by the game's caption.
  if (!caption) frame.setAttribute('aria-label', description.caption);
  frame.append(client);

  // For fingers (the touch layout) the buttons leave their boxes for a row of finger-sized
  // buttons under the client area, which ends under its last other control.
  const fingers = document.body.dataset.toolbar !== undefined && document.body.dataset.toolbar !== 'window';
  const buttonRow = made('div', 'buttons');
  const bevels = [];
  let contentBottom = 0;
  let fieldElement = null, defaultButton = null;
  dialog.controls.forEach((control, index) => {
    let element;
    switch (control.kind) {
      case 'bevel': element = made('div', 'bevel'); break;
      case 'icon':
        element = made('img');
        element.src = 'assets/verlumo.ico';
        break;
      case 'picture': element = pictures.picture(control.picture); break;
      case 'message': element = made('div', 'message', message ?? control.text); break;
      case 'label':
        element = made('span', 'label ' + control.style, control.text);
        worded.push([index, (text) => { element.textContent = text; }]);
        break;
      case 'link': element = link(control); break;
      case 'field':
        element = fieldElement = made('input', 'field');
        element.name = control.name;
        element.value = field ?? '';
        break;
      case 'button': {
        element = made('button', control.name);
        if (control.lang) element.lang = control.lang;
        if (framedAsDefault(control)) element.classList.add('default');
        if (control.default) defaultButton = element;
        if (control.picture) element.append(pictures.glyph(control.picture, control.images));
        const words = made('span', 'caption', control.text);
        element.append(words);
        worded.push([index, (text) => { words.textContent = text; }]);
        const action = actions[control.name];
        element.addEventListener('click', () => (action ? action() : finish(control.result)));
        break;
      }
    }
    if (fingers && control.kind === 'button') {
      buttonRow.append(element);
      return;
    }
    // Pictures show whole from the box's corner.
    const box = control.kind === 'picture' ? control.box.slice(0, 2) : control.box;
    client.append(place(element, box));
    const [, top, , height] = control.box;
    if (control.kind === 'bevel') bevels.push([element, control.box]);
    else contentBottom = Math.max(contentBottom, top + (height || kAutoSizedLine));
  });
  if (fingers) {
    frame.classList.add('fingers');
    const clientHeight = Math.min(dialog.height, contentBottom + kFingerMargin);
    client.style.height = clientHeight + 'px';
    // A bevel that framed buttons has lost them: it goes; any other ends inside the client area.
    const buttonBoxes = dialog.controls.filter((control) => control.kind === 'button').map((control) => control.box);
    for (const [bevel, box] of bevels) {
      if (buttonBoxes.some((button) => encloses(box, button))) bevel.remove();
      else bevel.style.height = Math.min(box[3], clientHeight - box[1] - 2) + 'px';
    }
    const scroller = made('div', 'scroller');
    client.replaceWith(scroller);
    scroller.append(client);
    if (buttonRow.childElementCount) frame.append(buttonRow);
  }

  const escape = escapeResult(dialog, description);
  frame.addEventListener('keydown', (event) => {
    if (event.key === 'Escape') finish(escape);
    if (event.key === 'Enter' && event.target === fieldElement && defaultButton) {
      // Handled here: the key's own click would reach the toolbar button that gets the focus
      // back as the dialog closes, and open the dialog again.
      event.preventDefault();
      defaultButton.click();
    }
    if (event.key === 'Tab') keepFocusInside(frame, event);
  });
  if (!caption) frame.addEventListener('click', () => finish(description.modal.ok));

  const modal = document.getElementById('modal');
  modal.append(frame);
  modal.hidden = false;
  // Over the game and scaled with it; a zoomed element's corner is in its own zoomed pixels. For
  // fingers as large as the screen allows, scrolling a client area too tall for it, while the
  // title bar and the buttons keep their finger size at any scale.
  const screen = { width: document.documentElement.clientWidth, height: innerHeight };
  let zoom;
  if (fingers) {
    const room = { width: screen.width - 2 * kFingerMargin, height: screen.height - 2 * kFingerMargin };
    const unscaled = frame.getBoundingClientRect();
    const fixedHeight = (frame.querySelector('.titlebar')?.getBoundingClientRect().height ?? 0) +
                        (buttonRow.isConnected ? buttonRow.getBoundingClientRect().height : 0);
    const fit = fingerDialogScale(room, unscaled, fixedHeight);
    zoom = fit.scale;
    frame.style.setProperty('--finger', zoom);
    if (fit.scrollHeight !== null) frame.querySelector('.scroller').style.maxHeight = fit.scrollHeight + 'px';
  } else {
    zoom = dialogScale(windowZoom(), screen.width, frame.getBoundingClientRect().width);
  }
  frame.style.zoom = zoom;
  const main = document.getElementById('window').getBoundingClientRect();
  const outer = frame.getBoundingClientRect();
  const at = onScreen(caption ? dialogPosition(main, document.getElementById('client').getBoundingClientRect().height, outer)
                              : splashPosition(main, innerHeight, outer), outer, screen);
  frame.style.left = at.left / zoom + 'px';
  frame.style.top = at.top / zoom + 'px';

  function reword(newDescription) {
    const words = newDescription.dialogs[name];
    if (caption) caption.textContent = words.caption;
    for (const [index, set] of worded) set(words.controls[index].text);
  }
  open.add(reword);

  if (fieldElement) {
    fieldElement.focus();
    fieldElement.select();
  } else if (defaultButton) {
    defaultButton.focus();
  }
  return { frame, result, finish, field: fieldElement };
}
