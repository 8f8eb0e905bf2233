// The picture sheets the board is drawn from: the page's head has the browser fetch and decode
// them from lossless WebP files while the game's module loads (window.verlumoSheets), and here
// they are written into the module as the canvas's RGBA bytes, the order its surfaces keep, so
// that neither the sheets nor the board are ever converted.

// The sheets the page's head decoded, in the module's order: tiles, frame, glyphs.
export function decodedSheets() {
  return window.verlumoSheets;
}

// A sheet's pixels exactly as its file holds them: the head asked for no colour management and
// no premultiplying.
function pixelsOf(bitmap) {
  const canvas = document.createElement('canvas');
  canvas.width = bitmap.width;
  canvas.height = bitmap.height;
  const context = canvas.getContext('2d', { willReadFrequently: true });
  context.drawImage(bitmap, 0, 0);
  bitmap.close();
  return context.getImageData(0, 0, canvas.width, canvas.height);
}

// Hands the decoded sheets to the module, in its order.
export function writeSheets(module, bitmaps) {
  bitmaps.map(pixelsOf).forEach(({ width, height, data }, index) => {
    const address = module._vl_sheet(index, width, height);
    if (!address) throw new Error(`sheet ${index}: ${width} x ${height}`);
    module.HEAPU8.set(data, address);
  });
}
