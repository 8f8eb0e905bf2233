// The toolbar above the board, built from the description: its speed buttons, the level display
// with the counter's canvas, and the level selector, a scroll bar drawn by the page. The buttons
// and the selector hand their commands and requests to the game through the callbacks given. In
// the touch toolbar the level display is a button that opens the level chooser, whose chosen
// level is asked for as the selector's dragged thumb asks for its position.
import { LevelChooser } from './level_chooser.js';
import { dragPosition, keyRequest, thumbOffset } from './selector.js';

function made(tag, id, className) {
  const element = document.createElement(tag);
  if (id) element.id = id;
  if (className) element.className = className;
  return element;
}

// At the box; a box of zero size leaves the place to the style sheet.
function place(element, [left, top, width, height]) {
  const pixels = (value) => (width || height ? value + 'px' : '');
  Object.assign(element.style, { left: pixels(left), top: pixels(top), width: pixels(width), height: pixels(height) });
  return element;
}

// A hidden element holding the words a screen reader says after the control's name, which the
// browser would otherwise take from the title, reading a hint that repeats the name twice.
function describedBy(element, id) {
  const words = made('span', id);
  words.hidden = true;
  element.append(words);
  element.setAttribute('aria-describedby', id);
  return words;
}

export class Toolbar {
  // onCommand(command) and onRequest(request, shown, tracked) run when the player asks; canAct() tells
  // whether the game takes input now (no call running, no dialog open); solvedLevels() gives the
  // solved flags, the first level's first.
  constructor(description, pictures, { onCommand, onRequest, canAct, solvedLevels }) {
    const toolbar = description.toolbar;
    this.requests = description.selectorRequests;
    this.onRequest = onRequest;
    this.layout = toolbar;
    this.height = toolbar.height;
    this.element = document.getElementById('toolbar');
    this.buttons = toolbar.buttons.map((button) => {
      const element = made('button', null, 'speed');
      element.dataset.command = button.command;
      element.classList.toggle('toggle', button.toggle);
      element.append(pictures.glyph(button.picture, button.images));
      element.addEventListener('pointerdown', () => element.classList.add('pressed'));
      element.addEventListener('pointerleave', () => element.classList.remove('pressed'));
      element.addEventListener('click', () => {
        element.classList.remove('pressed');
        if (canAct()) onCommand(button.command);
      });
      return element;
    });
    this.descriptions = this.buttons.map((element, index) => describedBy(element, 'description-' + toolbar.buttons[index].command));
    // The level display is one group, placed by its bevel: the touch toolbar shows it enlarged whole.
    const group = toolbar.levelBevel;
    const inGroup = ([left, top, width, height]) => [left - group[0], top - group[1], width, height];
    this.label = place(made('span', 'levellabel'), inGroup(toolbar.levelLabel.box));
    this.counter = place(made('canvas', 'levelbox'), inGroup(toolbar.levelCounter));
    this.counter.width = description.counter.width;
    this.counter.height = description.counter.height;
    this.levelDisplay = made('div', 'leveldisplay');
    this.levelDisplay.append(place(made('div', 'levelshape'), inGroup(toolbar.levelShape)),
                             place(made('div', 'levelbevel'), inGroup(group)), this.label, this.counter);
    this.levelButton = made('button', 'levelbutton');
    this.levelButton.setAttribute('aria-haspopup', 'dialog');
    const levelChooser = new LevelChooser((level) => this.request(this.requests.track, level));
    this.levelButton.addEventListener('click', () => {
      if (!canAct()) return;
      levelChooser.open({ texts: this.texts, last: this.last, current: this.position, solved: solvedLevels() });
    });
    this.selector = this.makeSelector(canAct);
    // In the touch toolbar the controls follow each other as the description orders them, left to right.
    const controls = [...this.buttons.map((element, index) => [toolbar.buttons[index].box, element]),
                      [group, this.levelDisplay], [toolbar.levelSelector.box, this.selector]];
    this.controls = controls.sort(([a], [b]) => a[0] - b[0]);
    // In the touch toolbar the selector and the buttons at either side of it stay together.
    const at = this.controls.findIndex(([, element]) => element === this.selector);
    this.selectorGroup = made('div', 'selectorgroup');
    this.selectorGroupParts = this.controls.slice(Math.max(0, at - 1), at + 2).map(([, element]) => element);
    this.position = 1;
    this.last = 1;
    this.reword(description);
  }

  reword(description) {
    // A button is named for what it does; its hint is the tooltip, and is said after the name
    // unless it only repeats it. The language button's hint speaks the other language.
    description.toolbar.buttons.forEach((button, index) => {
      this.buttons[index].title = button.hint;
      this.buttons[index].setAttribute('aria-label', button.name);
      this.descriptions[index].textContent = button.description;
      if (button.hintLang) this.descriptions[index].lang = button.hintLang;
    });
    this.selector.title = description.toolbar.levelSelector.hint;
    this.selector.setAttribute('aria-label', description.toolbar.levelSelector.name);
    this.label.textContent = description.toolbar.levelLabel.text;
    this.texts = description.texts;
    this.levelButton.title = description.texts.chooseLevel;
    this.levelButton.setAttribute('aria-label', description.texts.chooseLevel);
  }

  // The Windows toolbar, every control at its box, or the touch toolbar, whose controls flow in rows.
  arrange(touch) {
    // Arranged again only when the layout changes: a moved control loses the keyboard's focus.
    if (this.touch === touch) return;
    this.touch = touch;
    this.element.classList.toggle('touch', touch);
    const unplaced = [0, 0, 0, 0];
    place(this.element, touch ? unplaced : [0, 0, this.layout.width, this.layout.height]);
    // The level display keeps its size in the touch toolbar, where the style sheet enlarges it.
    const touchBox = (element, [, , width, height]) => (element === this.levelDisplay ? [0, 0, width, height] : unplaced);
    for (const [box, element] of this.controls) place(element, touch ? touchBox(element, box) : box);
    this.element.replaceChildren(...this.controls.map(([, element]) => element));
    if (touch) {
      this.selectorGroupParts[0].before(this.selectorGroup);
      this.selectorGroup.replaceChildren(...this.selectorGroupParts);
      this.levelDisplay.before(this.levelButton);
      this.levelButton.replaceChildren(this.levelDisplay);
    }
  }

  showSwitch(on) {
    for (const button of this.buttons) {
      if (!button.classList.contains('toggle')) continue;
      button.classList.toggle('down', on);
      button.setAttribute('aria-pressed', String(on));
    }
  }

  setRange(last) {
    this.last = last;
    this.selector.setAttribute('aria-valuemax', last);
    this.placeThumb();
  }

  setPosition(position) {
    this.position = position;
    this.selector.setAttribute('aria-valuenow', position);
    this.placeThumb();
  }

  room() {
    return this.track.clientWidth - this.thumb.offsetWidth;
  }

  placeThumb() {
    this.thumb.style.left = thumbOffset(this.room(), this.position, this.last) + 'px';
  }

  makeSelector(canAct) {
    const scroll = made('div', 'levelscroll');
    scroll.tabIndex = 0;
    scroll.setAttribute('role', 'scrollbar');
    scroll.setAttribute('aria-orientation', 'horizontal');
    scroll.setAttribute('aria-controls', 'box');
    scroll.setAttribute('aria-valuemin', '1');
    scroll.setAttribute('aria-valuenow', '1');
    describedBy(scroll, 'description-levelscroll');  // its hint is its name: nothing more to say
    const left = made('div', null, 'arrow left'), right = made('div', null, 'arrow right');
    this.track = made('div', null, 'track');
    this.thumb = made('div', null, 'thumb');
    this.track.append(this.thumb);
    scroll.append(left, this.track, right);
    left.addEventListener('pointerdown', () => this.request(this.requests.lineLeft));
    right.addEventListener('pointerdown', () => this.request(this.requests.lineRight));
    this.track.addEventListener('pointerdown', (event) => {
      if (event.target === this.thumb) return;
      const thumbLeft = this.thumb.getBoundingClientRect().left;
      this.request(event.clientX < thumbLeft ? this.requests.pageLeft : this.requests.pageRight);
    });
    // Every position the thumb passes while dragged counts.
    this.thumb.addEventListener('pointerdown', (event) => {
      this.thumb.setPointerCapture(event.pointerId);
      const grab = event.clientX - this.thumb.getBoundingClientRect().left;
      // The pointer in the track's own pixels, which the window's scale makes larger or smaller on the screen.
      const follow = (move) => {
        const track = this.track.getBoundingClientRect();
        const zoom = track.width / this.track.clientWidth || 1;
        const position = dragPosition({ pointerX: (move.clientX - track.left) / zoom, grab: grab / zoom, trackLeft: 0,
                                        room: this.room(), last: this.last });
        if (position !== this.position) this.request(this.requests.track, position);
      };
      this.thumb.addEventListener('pointermove', follow);
      const end = () => {
        this.thumb.removeEventListener('pointermove', follow);
        this.thumb.removeEventListener('pointerup', end);
        this.thumb.removeEventListener('pointercancel', end);
      };
      this.thumb.addEventListener('pointerup', end);
      this.thumb.addEventListener('pointercancel', end);
    });
    // The level selector's keys are its own while it has the focus, as a scroll bar's are.
    scroll.addEventListener('keydown', (event) => {
      const request = keyRequest(event.key, this.requests);
      if (request === undefined || !canAct()) return;
      event.preventDefault();
      this.request(request);
    });
    return scroll;
  }

  request(request, tracked = 0) {
    this.onRequest(request, this.position, tracked);
  }
}
