// Game files in and out of the browser: the file chooser puts the chosen file into the module's
// game folder, and a saved game goes to the browser as a download.
import { chosenFilePath, downloadName } from './file_names.js';

// The browser's file chooser for files with the extension given; resolves to the path the chosen
// file was put at, or null when none was chosen.
export function chooseOpenFile(fileSystem, folder, extension) {
  return new Promise((resolve) => {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = extension;
    input.hidden = true;
    document.body.append(input);
    input.addEventListener('cancel', () => { input.remove(); resolve(null); });
    input.addEventListener('change', async () => {
      input.remove();
      const file = input.files[0];
      if (!file) { resolve(null); return; }
      const path = chosenFilePath(folder, file.name);
      try {
        fileSystem.writeFile(path, new Uint8Array(await file.arrayBuffer()));
      } catch (unreadable) {
        // A file the browser cannot read is put there as a folder, which the game then fails
        // to read as a game file and reports with its load error.
        try { fileSystem.unlink(path); } catch (absent) { /* nothing was there */ }
        fileSystem.mkdir(path);
      }
      resolve(path);
    });
    input.click();
  });
}

export function offerDownload(fileSystem, path) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([fileSystem.readFile(path)], { type: 'application/octet-stream' }));
  link.download = downloadName(path);
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}
