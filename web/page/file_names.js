// The names of game files on their way in and out of the browser.

// Where a chosen file goes: the game folder, under its own name with no folder in it.
export function chosenFilePath(folder, fileName) {
  return folder + fileName.replace(/[\\/]/g, '_');
}

// The name a download of the file at path is offered under.
export function downloadName(path) {
  return path.substring(path.lastIndexOf('/') + 1);
}

// The extension of a file name, its dot included: the game files' is that of the default game file.
export function extensionOf(fileName) {
  return fileName.substring(fileName.lastIndexOf('.'));
}
