// The game window on the screen it is on: scaled and centred, with the Windows toolbar inside it
// on a desktop and the touch toolbar under or beside it on phones and tablets. Laid out again
// whenever the screen turns or the window of the browser changes size.
import { toolbarPlace, windowScale } from './screen_fit.js';

const kMargin = { window: 24, below: 8, beside: 8 };
const kGap = 8;  // between the window and the touch toolbar
let scale = 1;

// The window's scale now; dialogs follow it.
export function windowZoom() {
  return scale;
}

function fit(toolbar) {
  const windowElement = document.getElementById('window');
  const client = document.getElementById('client');
  const stage = document.getElementById('stage');
  const screen = document.documentElement;
  const place = toolbarPlace({ width: screen.clientWidth, height: innerHeight, coarse: matchMedia('(pointer: coarse)').matches });
  const touch = place !== 'window';
  document.body.dataset.toolbar = place;
  const margin = kMargin[place];
  document.body.style.padding = margin + 'px';
  // The toolbar goes into the window's client area or beside the window, before anything is measured.
  // Moved only when it changes place: a moved element loses the keyboard's focus.
  const home = touch ? stage : client;
  if (toolbar.element.parentNode !== home) {
    if (touch) stage.append(toolbar.element); else client.prepend(toolbar.element);
  }
  toolbar.arrange(touch);
  const box = document.getElementById('box');
  const toolbarHeight = touch ? 0 : toolbar.height;
  box.style.top = toolbarHeight + 'px';
  client.style.height = toolbarHeight + box.height + 'px';

  windowElement.style.zoom = 1;
  const natural = windowElement.getBoundingClientRect();
  const goal = document.getElementById('goal');
  let roomWidth = screen.clientWidth - 2 * margin, roomHeight = innerHeight - 2 * margin;
  if (!goal.hidden) roomHeight -= goal.getBoundingClientRect().height + kGap;
  if (place === 'beside') roomWidth -= toolbar.element.getBoundingClientRect().width + kGap;
  if (place === 'below') {
    // The toolbar takes the window's width, so its rows follow the scale the width allows.
    toolbar.element.style.width = roomWidth + 'px';
    roomHeight -= toolbar.element.getBoundingClientRect().height + kGap;
  }
  scale = windowScale(roomWidth, roomHeight, natural.width, natural.height);
  windowElement.style.zoom = scale;
  windowElement.style.setProperty('--zoom', scale);
  if (place === 'below') toolbar.element.style.width = Math.floor(natural.width * scale) + 'px';
  // Whole scales show the art pixel for pixel; others smooth it rather than draw uneven pixels.
  document.body.classList.toggle('smooth', !Number.isInteger(scale));
  toolbar.placeThumb();
}

let fitted = null;  // the toolbar once laid out

export function fitToScreen(toolbar) {
  fitted = toolbar;
  fit(toolbar);
  addEventListener('resize', () => fit(toolbar));
}

// Laid out again for what changed above the game: the goal line in a new language.
export function fitAgain() {
  if (fitted) fit(fitted);
}
