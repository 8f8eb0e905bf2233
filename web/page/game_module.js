// The game's WebAssembly module on the page: loading it and the files it reads, reading its
// description of everything around the board, and copying what it drew onto the canvases.

// The module the page's head started loading; resolves once it runs.
export function loadModule() {
  return window.verlumoModule;
}

export async function fetchBytes(path) {
  const response = await fetch(path);
  if (!response.ok) throw new Error(path + ': ' + response.status);
  return new Uint8Array(await response.arrayBuffer());
}

// The toolbar, the dialogs, the sizes, the numbers and the texts, in the game's language.
export function readDescription(module) {
  return JSON.parse(module.UTF8ToString(module._vl_description()));
}

// A picture the module holds, as ImageData, or null. Called directly, not through ccall, which
// answers with a promise while a call of the module waits for the player.
export function heldPicture(module, name) {
  const fileName = new TextEncoder().encode(name + '.bmp\0');
  const text = module._malloc(fileName.length);
  module.HEAPU8.set(fileName, text);
  const address = module._vl_picture(text);
  module._free(text);
  if (!address) return null;
  const [width, height, bytes] = new Int32Array(module.HEAPU8.buffer, address, 3);
  return new ImageData(new Uint8ClampedArray(module.HEAPU8.buffer, bytes, width * height * 4).slice(), width, height);
}

// Copies onto the canvases what the module drew since the last call: of the board area only the
// rectangle that changed.
export function present(module, description, boxContext, counterContext) {
  const changed = module._vl_present();
  const memory = module.HEAPU8.buffer;
  if (changed & 1) {
    const { width, height } = description.board;
    const bytes = new Uint8ClampedArray(memory, module._vl_box_rgba(), width * height * 4);
    const [left, top, changedWidth, changedHeight] = new Int32Array(memory, module._vl_box_changed(), 4);
    boxContext.putImageData(new ImageData(bytes, width, height), 0, 0, left, top, changedWidth, changedHeight);
  }
  if (changed & 2) {
    const { width, height } = description.counter;
    const bytes = new Uint8ClampedArray(memory, module._vl_counter_rgba(), width * height * 4);
    counterContext.putImageData(new ImageData(bytes, width, height), 0, 0);
  }
}
