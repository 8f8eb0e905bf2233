// The probe that times a page's first painted board. It runs in the page before the page's own
// scripts (puppeteer's evaluateOnNewDocument) and looks at every frame: once the canvas, drawn
// into a small scratch canvas, is opaque and shows several colours, the board is on the screen
// with that frame. It keeps performance.now() of that moment (the frame's own time stamp lies
// before the work that painted it) in window.benchmarkBoard, with the responses that had
// arrived by then.
'use strict';

// Passed to the page as source: it must use nothing from this file.
function watchForBoard(selector) {
  const kSide = 16, kColours = 4;
  const scratch = new OffscreenCanvas(kSide, kSide).getContext('2d', { willReadFrequently: true });
  const boardShown = () => {
    const canvas = document.querySelector(selector);
    if (!canvas || canvas.width === 0 || canvas.height === 0) return false;
    scratch.clearRect(0, 0, kSide, kSide);
    scratch.drawImage(canvas, 0, 0, kSide, kSide);
    const pixels = scratch.getImageData(0, 0, kSide, kSide).data;
    const colours = new Set();
    for (let i = 0; i < pixels.length; i += 4) {
      if (pixels[i + 3] !== 255) return false;
      colours.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
    }
    return colours.size >= kColours;
  };
  const look = () => {
    if (!boardShown()) {
      requestAnimationFrame(look);
      return;
    }
    const at = performance.now();
    const arrived = performance.getEntriesByType('resource').map((entry) => ({ name: entry.name, end: entry.responseEnd }));
    window.benchmarkBoard = { at, arrived };
  };
  requestAnimationFrame(look);
}

module.exports = { watchForBoard };
