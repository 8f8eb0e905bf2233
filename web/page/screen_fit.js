// How the game window fits the screen it is on, as plain numbers: the scale of the window, and
// where the toolbar goes. layout.js applies them to the page.

// A whole scale keeps every pixel of the art square and crisp, so it is taken while it shows the
// window at four fifths or more of the size that fits; below that the window is scaled smoothly
// to the size that fits, up or down.
const kWholeShare = 0.8;

export function windowScale(roomWidth, roomHeight, width, height) {
  const fit = Math.min(roomWidth / width, roomHeight / height);
  const whole = Math.floor(fit);
  return whole >= fit * kWholeShare ? whole : fit;  // under 1:1 no whole scale fits: whole is 0
}

// Below this width the Windows toolbar's controls, scaled with the window, would be too small to
// touch, so the narrow screen gets the touch toolbar as well.
const kNarrowWidth = 600;

// 'window': the Windows toolbar over the board; 'below' or 'beside': the touch toolbar, under the
// window on a portrait screen and at its right on a landscape one.
export function toolbarPlace({ width, height, coarse }) {
  if (!coarse && width >= kNarrowWidth) return 'window';
  return height >= width ? 'below' : 'beside';
}

// A dialog's scale: the window's, but never so small that its 11-pixel words read under 12
// pixels, nor wider than the room.
const kLeastDialogScale = 12 / 11;

// A dialog's corner moved as little as it takes for the whole dialog to stay on the screen.
export function onScreen(at, dialog, screen) {
  const keep = (value, size, room) => Math.max(0, Math.min(value, room - size));
  return { left: keep(at.left, dialog.width, screen.width), top: keep(at.top, dialog.height, screen.height) };
}

export function dialogScale(windowScaleNow, roomWidth, dialogWidth) {
  return Math.min(roomWidth / dialogWidth, Math.max(windowScaleNow, kLeastDialogScale));
}

// A dialog for fingers, in the touch layout: as large as the room's width allows, up to twice its
// size, and as its height allows while its words still read at 12 pixels; dialog is its size
// unscaled, fixedHeight the part of it (title bar, buttons) that keeps its finger size at every
// scale. A client area still too tall for the room scrolls, in scrollHeight of its own pixels.
const kMostFingerScale = 2;

export function fingerDialogScale(room, dialog, fixedHeight) {
  const scaledHeight = dialog.height - fixedHeight;
  const heightFit = (room.height - fixedHeight) / scaledHeight;
  const scale = Math.min(kMostFingerScale, room.width / dialog.width, Math.max(kLeastDialogScale, heightFit));
  const tooTall = scaledHeight * scale + fixedHeight > room.height;
  return { scale, scrollHeight: tooTall ? (room.height - fixedHeight) / scale : null };
}
