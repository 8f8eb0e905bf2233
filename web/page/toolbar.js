// The toolbar above the board, built from the description: its speed buttons, the level display
// with the counter's canvas, and the level selector, a scroll bar drawn by the page. The buttons
// and the selector hand their commands and requests to the game through the callbacks given.
import { dragPosition, keyRequest, thumbOffset } from './selector.js';

function made(tag, id, className) {
  const element = document.createElement(tag);
  if (id) element.id = id;
  if (className) element.className = className;
  return element;
}

function place(element, [left, top, width, height]) {
  Object.assign(element.style, { left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px' });
  return element;
}

export class Toolbar {
  // onCommand(command) and onRequest(request, shown, tracked) run when the player asks; canAct() tells
  // whether the game takes input now (no call running, no dialog open).
  constructor(description, pictures, { onCommand, onRequest, canAct }) {
    const toolbar = description.toolbar;
    this.requests = description.selectorRequests;
    this.onRequest = onRequest;
    this.element = document.getElementById('toolbar');
    this.element.style.width = toolbar.width + 'px';
    this.element.style.height = toolbar.height + 'px';
    this.buttons = toolbar.buttons.map((button) => {
      const element = place(made('button', null, 'speed'), button.box);
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
    this.label = place(made('span', 'levellabel'), toolbar.levelLabel.box);
    this.counter = place(made('canvas', 'levelbox'), toolbar.levelCounter);
    this.counter.width = description.counter.width;
    this.counter.height = description.counter.height;
    this.selector = this.makeSelector(toolbar.levelSelector.box, canAct);
    this.element.append(...this.buttons, place(made('div', 'levelshape'), toolbar.levelShape),
                        place(made('div', 'levelbevel'), toolbar.levelBevel), this.label, this.counter, this.selector);
    this.position = 1;
    this.last = 1;
    this.reword(description);
  }

  reword(description) {
    description.toolbar.buttons.forEach((button, index) => { this.buttons[index].title = button.hint; });
    this.selector.title = description.toolbar.levelSelector.hint;
    this.selector.setAttribute('aria-label', description.toolbar.levelSelector.name);
    this.label.textContent = description.toolbar.levelLabel.text;
  }

  showSwitch(on) {
    for (const button of this.buttons) if (button.classList.contains('toggle')) button.classList.toggle('down', on);
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

  makeSelector(box, canAct) {
    const scroll = place(made('div', 'levelscroll'), box);
    scroll.setAttribute('role', 'scrollbar');
    scroll.setAttribute('aria-orientation', 'horizontal');
    scroll.setAttribute('aria-valuemin', '1');
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
      const follow = (move) => {
        const position = dragPosition({ pointerX: move.clientX, grab, trackLeft: this.track.getBoundingClientRect().left,
                                        room: this.room(), last: this.last });
        if (position !== this.position) this.request(this.requests.track, position);
      };
      this.thumb.addEventListener('pointermove', follow);
      this.thumb.addEventListener('pointerup', () => this.thumb.removeEventListener('pointermove', follow), { once: true });
    });
    // The level selector is the one control that takes the keyboard.
    document.addEventListener('keydown', (event) => {
      const request = keyRequest(event.key, this.requests);
      if (request === undefined || !canAct() || event.target.tagName === 'INPUT') return;
      event.preventDefault();
      this.request(request);
    });
    return scroll;
  }

  request(request, tracked = 0) {
    this.onRequest(request, this.position, tracked);
  }
}
