// Which pictures the page needs, and the key colour the Windows game leaves out of a button's
// picture. picture_canvas.js loads and draws them with these.

// Every picture file the toolbar and the dialogs use.
export function pictureNames(description) {
  const names = new Set(description.toolbar.buttons.map((button) => button.picture));
  for (const dialog of Object.values(description.dialogs)) {
    for (const control of dialog.controls) if (control.picture) names.add(control.picture);
  }
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
