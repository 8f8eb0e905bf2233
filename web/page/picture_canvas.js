// The pictures around the board, each loaded once when first asked for and drawn on canvases as
// the Windows game draws them: a picture whole, and a button's as the first of its images with its
// key colour left out. The game's module holds the toolbar's pictures; the others come as files.
import { clearKeyColour } from './pictures.js';

function loadImage(name) {
  return new Promise((resolve, reject) => {
    const image = new Image();
    image.onload = () => resolve(image);
    image.onerror = () => reject(new Error(name + ' cannot be loaded'));
    image.src = 'assets/' + name + '.bmp';
  });
}

function canvasOf(imageData) {
  const canvas = document.createElement('canvas');
  canvas.width = imageData.width;
  canvas.height = imageData.height;
  canvas.getContext('2d').putImageData(imageData, 0, 0);
  return canvas;
}

export class Pictures {
  constructor() {
    this.images = new Map();
    this.loading = new Map();  // by name, each picture's one request; a failed one is asked again
    this.held = () => null;    // a picture the module holds, as ImageData, by name
  }

  // Once the module is there, the pictures it holds come from it.
  takeFrom(held) {
    this.held = held;
  }

  // Resolves once every picture named is there; each is asked for once, whoever asks.
  load(names) {
    return Promise.all(names.map((name) => {
      if (!this.loading.has(name)) {
        const held = this.held(name);
        const image = held ? Promise.resolve(canvasOf(held)) : loadImage(name);
        this.loading.set(name, image.then((loaded) => { this.images.set(name, loaded); },
                                          (error) => { this.loading.delete(name); throw error; }));
      }
      return this.loading.get(name);
    }));
  }

  // The picture whole, on a canvas of its own size.
  picture(name) {
    const image = this.images.get(name);
    const canvas = document.createElement('canvas');
    canvas.width = image.width;
    canvas.height = image.height;
    canvas.getContext('2d').drawImage(image, 0, 0);
    return canvas;
  }

  // A button's picture: the first of its images, without the key colour.
  glyph(name, images) {
    const image = this.images.get(name);
    const canvas = document.createElement('canvas');
    canvas.width = image.width / images;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, canvas.width, canvas.height);
    clearKeyColour(data.data, canvas.width);
    context.putImageData(data, 0, 0);
    return canvas;
  }
}
