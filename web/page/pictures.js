// Which pictures the page needs and when, and the key colour the Windows game leaves out of a button's
// picture. picture_canvas.js loads and draws them with these.

// The toolbar's pictures: its first frame shows them, so the first board waits for these only.
export function toolbarPictureNames(description) {
  return [...new Set(description.toolbar.buttons.map((button) => button.picture))];
}

// The pictures one dialog shows, by the dialog's name: it opens once they are there.
export function dialogPictureNames(description, name) {
  return [...new Set(description.dialogs[name].controls.filter((control) => control.picture).map((control) => control.picture))];
}

// Every picture file the toolbar and the dialogs use, each once.
export function pictureNames(description) {
  const names = new Set(toolbarPictureNames(description));
  for (const name of Object.keys(description.dialogs)) dialogPictureNames(description, name).forEach((picture) => names.add(picture));
  return [...names];
}

// Makes the pixels of the key colour transparent in RGBA bytes of the given width: the key
// colour is the one of the bottom-left pixel.
export function clearKeyColour(rgba, width) {
  const key = rgba.length - width * 4;
  const [r, g, b] = [rgba[key], rgba[key + 1], rgba[key + 2]];
  // Stryker disable next-line EqualityOperator: a step past the end reads nothing, which matches no colour
  for (let i = 0; i < rgba.length; i += 4) {
    if (rgba[i] === r && rgba[i + 1] === g && rgba[i + 2] === b) rgba[i + 3] = 0;
  }
}
