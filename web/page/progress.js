// The player's progress in the browser's storage: the module's progress lines kept under their
// own keys, read back for the next start, and a storage that refuses or fills up let go of.

const kPrefix = 'verlumo.';
// The lines of the module's progress, in its order.
const kKeys = ['tongue', 'level', 'save', 'flags', 'sound'];

// Each line of the progress under its key.
export function progressEntries(progress) {
  const lines = progress.split('\n');
  return kKeys.map((key, index) => [key, lines[index]]);
}

// Which levels are solved, by the progress's flags: two hex digits a level, any but 00 solved.
// The first level's flag is the first.
export function solvedLevels(progress) {
  const flags = progressEntries(progress).find(([key]) => key === 'flags')[1] ?? '';
  return Array.from({ length: Math.floor(flags.length / 2) }, (_, index) => flags.substr(2 * index, 2) !== '00');
}

// What the module's start takes from what was kept; unset is the module's "no language yet".
// A missing name is empty, missing flags are null: the module tells "none kept" by these.
export function startSettings(progress, unset) {
  return {
    language: Number(progress.read('tongue', unset)),
    level: Number(progress.read('level', 1)),
    sound: progress.read('sound', null) === '0' ? 0 : 1,
    name: progress.read('save', ''),
    flags: progress.read('flags', null),
  };
}

// The browser's storage, tried with a write first: null when the browser refuses it.
export function openStorage(getStorage) {
  try {
    const storage = getStorage();
    // Stryker disable next-line StringLiteral: any value tries the storage
    storage.setItem(kPrefix + 'probe', '1');
    storage.removeItem(kPrefix + 'probe');
    return storage;
  } catch (refused) {
    return null;
  }
}

// The progress as kept: written whenever it changed; a storage that is full is given up, and
// onFull is told once, so the game goes on without it.
export class ProgressStore {
  constructor(storage, onFull) {
    this.storage = storage;
    this.onFull = onFull;
    this.kept = null;
  }

  read(key, fallback) {
    const value = this.storage ? this.storage.getItem(kPrefix + key) : null;
    return value === null ? fallback : value;
  }

  keep(progress) {
    if (progress === this.kept) return;
    this.kept = progress;
    for (const [key, value] of progressEntries(progress)) {
      if (!this.storage) return;
      try {
        this.storage.setItem(kPrefix + key, value);
      } catch (full) {
        this.storage = null;
        this.onFull();
      }
    }
  }
}
