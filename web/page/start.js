// The web page around the game module: starts it, lays out the window and the toolbar from its
// description, carries the player's presses, clicks and keys to it, and answers its requests
// (window.verlumoPage, called from web/page_imports.js): dialogs, sounds, files and the progress
// kept in the browser's storage. The rules, the texts, the layout and the drawing are the module's.
import { Announcer } from './announcer.js';
import { BoardGrid } from './board_grid.js';
import { openDialogs, rewordDialogs, showDialog } from './dialogs.js';
import { fieldAnswer } from './dialog_rules.js';
import { extensionOf } from './file_names.js';
import { chooseOpenFile, offerDownload } from './files.js';
import { fetchBytes, heldPicture, loadModule, present, readDescription } from './game_module.js';
import { GoalLine } from './goal_line.js';
import { fitAgain, fitToScreen } from './layout.js';
import { endLoading, keepLanguageTag } from './loading.js';
import { Pictures } from './picture_canvas.js';
import { decodedSheets, writeSheets } from './sheets.js';
import { dialogPictureNames, pictureNames, toolbarPictureNames } from './pictures.js';
import { PressQueue } from './press_queue.js';
import { ProgressStore, openStorage, solvedLevels, startSettings } from './progress.js';
import { WavePlayer, waveSize } from './sounds.js';
import { Toolbar } from './toolbar.js';
import { offerTouchHints } from './touch_hints.js';

const kGameFolder = '/game/';
// The sounds follow the first board, as the board plays none before a press.
const kSoundRecords = ['sound0.rec', 'sound1.rec'];
const params = new URLSearchParams(location.search);
// The page's marks and measures show where the time to the first board goes (benchmarks/web-page).
performance.mark('verlumo-script-started');
const $ = (selector) => document.querySelector(selector);
const startedAt = performance.now();  // the splash's timer runs from here
const pictures = new Pictures();
const player = new WavePlayer(() => {
  const AudioContext = window.AudioContext || window.webkitAudioContext;
  return AudioContext ? new AudioContext() : null;
});
let Module = null;
let description = null;
let toolbar = null;
let goalLine = null;
let boardGrid = null;
let progress = null;
let boxContext = null;
let busy = false;          // a call of the module runs, or waits for the player
let ended = false;         // the player has quit: the page takes no more presses
let timer = 0;
let makerLinkOn = true;
// Presses on the board and the toolbar until the game has started, its sounds included.
const earlyPresses = new PressQueue();
const announcer = new Announcer($('#announce'));

function notice(text) {
  endLoading();
  const element = $('#notice');
  element.textContent = text;
  element.hidden = false;
}

function show() {
  present(Module, description, boxContext, toolbar.counter.getContext('2d'));
}

function keepProgress() {
  progress.keep(Module.UTF8ToString(Module._vl_progress()));
}

// One call of the module at a time; a call that asks the player waits for the answer.
async function call(name, types, args) {
  if (busy || ended) return false;
  busy = true;
  document.body.classList.add('busy');
  try {
    await Module.ccall(name, null, types, args, { async: true });
  } finally {
    busy = false;
    document.body.classList.remove('busy');
    show();
    keepProgress();
  }
  return true;
}

const canAct = () => !busy && openDialogs() === 0;

// A press of the player: kept while the game starts, else played when the game can take it.
function act(press) {
  if (!earlyPresses.keep(press) && canAct()) press();
}

// The game in a new language: the toolbar's and the open dialogs' words.
function describe(newDescription) {
  description = newDescription;
  toolbar?.reword(description);
  if (goalLine?.reword(description.texts)) fitAgain();
  rewordDialogs(description);
  document.documentElement.lang = description.texts.language;
  keepLanguageTag(description.texts.language);
  $('#box').setAttribute('aria-label', description.texts.boardName);
}

// The window's client area: the toolbar over the board area, at the description's sizes.
function layOut() {
  const { board } = description;
  const box = $('#box');
  $('#client').style.width = board.width + 'px';
  box.width = board.width;
  box.height = board.height;
  boxContext = box.getContext('2d');
  toolbar = new Toolbar(description, pictures, {
    onCommand: (command) => act(() => call('vl_command', ['number'], [command])),
    onRequest: (request, shown, tracked) =>
      act(() => call('vl_move_level_selector', ['number', 'number', 'number'], [request, shown, tracked])),
    canAct: () => !earlyPresses.open || canAct(),
    solvedLevels: () => solvedLevels(progress.kept ?? ''),
  });
  fitToScreen(toolbar);
  offerTouchHints($('#stage'));
  box.addEventListener('pointerdown', (event) => {
    if (event.button !== 0) return;
    // The press keeps the focus where it is: a dialog it opens holds it on its default button.
    event.preventDefault();
    const bounds = box.getBoundingClientRect();
    const [x, y] = [Math.floor((event.clientX - bounds.left) * board.width / bounds.width),
                    Math.floor((event.clientY - bounds.top) * board.height / bounds.height)];
    act(() => call('vl_press', ['number', 'number'], [x, y]));
  });
  boardGrid = new BoardGrid(box, description, (key) => act(() => call('vl_board_key', ['number'], [key])));
}

// The dialogs the module asks for ------------------------------------------------------------

// A dialog once its pictures are there: they load after the first board, and a dialog may come
// sooner, or its pictures may still be on their way.
async function openDialog(name, options = {}) {
  try {
    await pictures.load(dialogPictureNames(description, name));
  } catch (error) {
    notice(description.texts.cannotStart + error.message);
    throw error;
  }
  return showDialog(description, name, { pictures, ...options });
}

async function askLanguage() {
  return (await openDialog('language')).result;
}

async function askMessage(message, name) {
  show();
  const dialog = await openDialog(name);
  dialog.frame.dataset.message = message;
  return dialog.result;
}

// The save dialog asks for a name; the file goes to the browser as a download.
async function chooseSaveFile(fileName) {
  const dialog = await openDialog('saveAs', { field: fileName });
  dialog.frame.dataset.dialog = 'save';
  const result = await dialog.result;
  return fieldAnswer(description.dialogs.saveAs, result, dialog.field.value);
}

// The info dialog; its language button asks the language while it stays open.
async function showInfo() {
  const changeLanguage = async () => {
    const chosen = await askLanguage();
    if (chosen === description.unset) return;
    Module._vl_set_language(chosen);
    show();
    keepProgress();
  };
  return (await openDialog('info', { actions: { tongue: changeLanguage } })).result;
}

// The splash: until a click on it, or the first tick of its timer, which runs from the start.
async function showSplash() {
  const splash = await openDialog('splash');
  setTimeout(() => splash.finish(description.modal.ok), Math.max(0, description.splashTime - (performance.now() - startedAt)));
  return splash.result;
}

function endGame() {
  ended = true;
  clearInterval(timer);
  $('#window').classList.add('ended');
  notice(description.texts.gameEnded);
}

function playWave(address) {
  const size = waveSize(Module.HEAPU8.buffer, address);
  window.verlumoPage.playedSounds.push(size);
  player.play(address, () => Module.HEAPU8.slice(address, address + size));
  return true;
}

window.verlumoPage = {
  playedSounds: [],
  describe,
  setCaption: (caption) => { $('#caption').textContent = caption; document.title = caption; },
  // The counter's tooltip; the game announces a level's start and its solution itself.
  setCounterHint: (hint) => { toolbar.counter.title = hint; },
  setSelectorRange: (last) => toolbar.setRange(last),
  setSelector: (position) => toolbar.setPosition(position),
  showSoundSwitch: (on) => toolbar.showSwitch(on),
  showBoardCursor: (column, row, words) => boardGrid.moveCursor(column, row, words),
  announce: (words) => announcer.say(words),
  showSplash,
  askMessage,
  chooseSaveFile,
  chooseOpenFile: () => chooseOpenFile(Module.FS, kGameFolder, extensionOf(description.defaultGameFile)),
  askYesNo: async (text) => (await openDialog('warning', { message: text })).result,
  showError: async (text) => (await openDialog('error', { message: text })).result,
  askLanguage,
  showInfo,
  openRules: (address) => window.open(address, '_blank'),
  // The maker's page; a browser that refuses to open it switches the button off for the run.
  openAddress: (address) => {
    if (makerLinkOn && !window.open(address, '_blank')) makerLinkOn = false;
  },
  offerDownload: (path) => offerDownload(Module.FS, path),
  endGame,
  audioReady: () => player.ready(),
  playWave,
  stopWave: () => player.stop(),
  // For the tests and the benchmark: one tick of the turning car's timer.
  tick: () => { Module._vl_tick(); show(); },
};

async function start() {
  if (typeof WebAssembly !== 'object') {
    notice($('#notice').dataset.noWebassembly);
    return;
  }
  const storage = openStorage(() => window.localStorage);
  progress = new ProgressStore(storage, () => notice(description.texts.storageFull));
  // The module and the sheets in one go. The module holds the level file and the toolbar's
  // pictures, which the first frame shows; the splash's are asked for once it is there, as it is
  // the first dialog, but the board does not wait for them.
  const [loaded, sheets] = await Promise.all([loadModule(), decodedSheets()]);
  performance.mark('verlumo-module-ready');
  Module = loaded;
  pictures.takeFrom((name) => heldPicture(Module, name));
  describe(readDescription(Module));
  pictures.load(dialogPictureNames(description, 'splash')).catch(() => {});  // the splash reports a failure itself
  await pictures.load(toolbarPictureNames(description));
  performance.mark('verlumo-loaded');
  Module.FS.mkdir(kGameFolder);
  writeSheets(Module, sheets);
  const kept = startSettings(progress, description.unset);
  goalLine = new GoalLine($('#goal'), kept.language === description.unset);
  goalLine.reword(description.texts);
  layOut();
  for (const type of ['pointerdown', 'keydown']) document.addEventListener(type, () => player.wake(), true);

  const seed = params.has('seed') ? Number(params.get('seed')) >>> 0 : crypto.getRandomValues(new Uint32Array(1))[0];
  busy = true;
  const startCalled = performance.now();
  const failure = await Module.ccall('vl_start', 'string', ['number', 'number', 'number', 'number', 'string', 'string'],
                                     [seed, kept.language, kept.level, kept.sound, kept.name, kept.flags], { async: true });
  performance.measure('verlumo-vl-start', { start: startCalled });
  busy = false;
  if (failure) {
    description = readDescription(Module);  // in the language the browser kept
    notice(description.texts.assetsUnreadable + failure);
    return;
  }
  if (!storage) notice(description.texts.storageRefused);
  // The first activation (the splash, then the language question while none was chosen)
  // waits for the player; the board is painted meanwhile, as under a Windows modal dialog.
  const activation = call('vl_activate', [], []);
  Module._vl_paint();
  show();
  endLoading();
  performance.mark('verlumo-first-board');
  // The sounds, and the other dialogs' pictures, so that none waits for its own when it opens.
  const soundRecords = Promise.all(kSoundRecords.map((name) => fetchBytes('assets/' + name)));
  pictures.load(pictureNames(description)).catch(() => {});
  // Every file of the page kept for the next visit, with or without a network.
  navigator.serviceWorker?.register('service-worker.js');
  keepProgress();
  // A still page draws no turning car: the tests compare its pixels with the native drawing.
  if (!params.has('still')) timer = setInterval(window.verlumoPage.tick, description.timerInterval);
  await activation;
  // The sounds go to the game between two of its calls; then the presses kept meanwhile play.
  try {
    (await soundRecords).forEach((bytes, i) => Module.FS.writeFile(kGameFolder + kSoundRecords[i], bytes));
    const soundFailure = Module.UTF8ToString(Module._vl_set_sounds());
    if (soundFailure) notice(description.texts.assetsUnreadable + soundFailure);
  } catch (error) {
    notice(description.texts.assetsUnreadable + error.message);
  }
  await earlyPresses.release();
  document.body.dataset.ready = '1';
}

start().catch((error) => notice((description ? description.texts.cannotStart : $('#notice').dataset.cannotStart) + error.message));
