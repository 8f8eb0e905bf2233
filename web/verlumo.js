// The web page around the game module: loads the module, the level file and the asset records,
// shows the board area and the level counter the module draws, carries the player's presses,
// clicks and keys to the module, shows its dialogs, plays its sounds through Web Audio and keeps
// the progress in the browser's storage. The rules, the texts and the drawing are the module's.
'use strict';

(function () {
  const kBoardWidth = 520, kBoardHeight = 376, kCounterWidth = 57, kCounterHeight = 20;
  const kTimerInterval = 75;   // the turning car's timer, milliseconds
  const kSplashTime = 3000;    // the splash closes at the first tick of its timer
  const kModalOk = 1, kModalCancel = 2, kModalYes = 6, kModalNo = 7;
  const kUnset = -1;
  const kSoundCommand = 4;
  const kStore = 'verlumo.';
  const kGameFolder = '/game/';
  const kRecords = ['bitmap0.rec', 'bitmap1.rec', 'bitmap2.rec', 'sound0.rec', 'sound1.rec', 'vlmo.dat'];
  // The help file's contexts: 1 the German rules, 2 the English ones.
  const kRulesPages = { 1: 'help/regeln.htm', 2: 'help/rules.htm' };
  // The selector's requests, in the module's order.
  const Request = { lineLeft: 0, lineRight: 1, pageLeft: 2, pageRight: 3, first: 4, last: 5, track: 6 };
  const kKeyRequests = {
    ArrowLeft: Request.lineLeft, ArrowUp: Request.lineLeft, ArrowRight: Request.lineRight, ArrowDown: Request.lineRight,
    PageUp: Request.pageLeft, PageDown: Request.pageRight, Home: Request.first, End: Request.last,
  };
  // The message dialogs: the message's box, the buttons' left edges and pictures, the answers.
  const kMessages = [
    { bold: true, box: [60, 28, 181, 17], ok: [92, 'dlg_smile', 1, kModalOk] },
    { bold: true, box: [68, 14, 165, 41], ok: [92, 'dlg_smile', 1, kModalOk] },
    { box: [56, 20, 189, 26], ok: [40, 'dlg_again', 2, kModalYes], cancel: [128, 'dlg_cross', 2, kModalNo] },
    { box: [56, 20, 189, 26], ok: [40, 'btn_newgame', 1, kModalYes], cancel: [136, 'dlg_cross', 2, kModalCancel] },
    { box: [72, 20, 153, 29], ok: [40, 'btn_exit', 1, kModalYes], cancel: [136, 'dlg_cross', 2, kModalCancel] },
  ];

  const params = new URLSearchParams(location.search);
  const $ = (selector) => document.querySelector(selector);
  const boxCanvas = $('#box'), counterCanvas = $('#levelbox');
  const boxContext = boxCanvas.getContext('2d'), counterContext = counterCanvas.getContext('2d');
  const pictures = {};
  let texts = {};
  let busy = false;           // a call of the module runs, or waits for the player
  let dialogOpen = 0;
  let selector = { last: 1, position: 1 };
  let startedAt = 0;         // the splash's timer runs from here
  let storage = null;         // the browser's storage, while it takes what we write
  let storedProgress = '';
  let audio = null;
  const waves = new Map();    // decoded sounds by their place in the module's memory
  let playing = null;
  const links = {};           // the info dialog's links: used, switched off
  let makerLinkOn = true;
  let ended = false;          // the player has quit: the page takes no more presses

  function notice(text) {
    const element = $('#notice');
    element.textContent = text;
    element.hidden = false;
  }

  // Storage ---------------------------------------------------------------------------------

  function openStorage() {
    try {
      const store = window.localStorage;
      store.setItem(kStore + 'probe', '1');
      store.removeItem(kStore + 'probe');
      return store;
    } catch (refused) {
      notice('This browser refuses to keep your progress: it lasts until you close the page. / ' +
             'Dieser Browser verweigert das Speichern: Dein Spielstand bleibt nur, bis Du die Seite schließt.');
      return null;
    }
  }

  function read(key, fallback) {
    if (!storage) return fallback;
    const value = storage.getItem(kStore + key);
    return value === null ? fallback : value;
  }

  function write(key, value) {
    if (!storage) return;
    try {
      storage.setItem(kStore + key, value);
    } catch (full) {
      storage = null;
      notice('The browser\'s storage is full: your progress is no longer kept. / ' +
             'Der Speicher des Browsers ist voll: Dein Spielstand wird nicht mehr gespeichert.');
    }
  }

  // Written at once whenever the module's progress has changed.
  function keepProgress() {
    const progress = Module.UTF8ToString(Module._vl_progress());
    if (progress === storedProgress) return;
    storedProgress = progress;
    const [tongue, level, save, flags, sound] = progress.split('\n');
    write('tongue', tongue);
    write('level', level);
    write('save', save);
    write('flags', flags);
    write('sound', sound);
  }

  // Pictures --------------------------------------------------------------------------------

  function loadImage(name) {
    return new Promise((resolve, reject) => {
      const image = new Image();
      image.onload = () => resolve(image);
      image.onerror = () => reject(new Error(name + ' cannot be loaded'));
      image.src = 'assets/' + name + '.bmp';
    });
  }

  // A button picture as the Windows game draws it: the first of its images, with the colour of
  // its bottom-left pixel left out.
  function glyph(name, images) {
    const image = pictures[name];
    const width = image.width / (images || 1);
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = image.height;
    const context = canvas.getContext('2d');
    context.drawImage(image, 0, 0);
    const data = context.getImageData(0, 0, width, image.height);
    const key = (image.height - 1) * width * 4;
    const [r, g, b] = [data.data[key], data.data[key + 1], data.data[key + 2]];
    for (let i = 0; i < data.data.length; i += 4) {
      if (data.data[i] === r && data.data[i + 1] === g && data.data[i + 2] === b) data.data[i + 3] = 0;
    }
    context.putImageData(data, 0, 0);
    return canvas;
  }

  function picture(name) {
    const canvas = document.createElement('canvas');
    canvas.width = pictures[name].width;
    canvas.height = pictures[name].height;
    canvas.getContext('2d').drawImage(pictures[name], 0, 0);
    return canvas;
  }

  // Showing what the module drew ------------------------------------------------------------

  function present() {
    const changed = Module._vl_present();
    if (changed & 1) {
      const bytes = new Uint8ClampedArray(Module.HEAPU8.buffer, Module._vl_box_rgba(), kBoardWidth * kBoardHeight * 4);
      const [left, top, width, height] = new Int32Array(Module.HEAPU8.buffer, Module._vl_box_changed(), 4);
      boxContext.putImageData(new ImageData(bytes, kBoardWidth, kBoardHeight), 0, 0, left, top, width, height);
    }
    if (changed & 2) {
      const bytes = new Uint8ClampedArray(Module.HEAPU8.buffer, Module._vl_counter_rgba(), kCounterWidth * kCounterHeight * 4);
      counterContext.putImageData(new ImageData(bytes, kCounterWidth, kCounterHeight), 0, 0);
    }
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
      present();
      keepProgress();
    }
    return true;
  }

  // Dialogs ---------------------------------------------------------------------------------

  // A window of the given client size over the main window's client area, as the Windows game
  // places its dialogs; it closes with the result its close box gives.
  function openDialog({ title, width, height, closeResult, bold, splash }) {
    const frame = document.createElement('div');
    frame.className = 'dialog frame' + (bold ? ' bold' : '') + (splash ? ' splash' : '');
    frame.setAttribute('role', 'dialog');
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    let settle;
    const result = new Promise((resolve) => { settle = resolve; });
    if (!splash) {
      const bar = document.createElement('div');
      bar.className = 'titlebar';
      const caption = document.createElement('span');
      caption.className = 'caption';
      caption.textContent = title;
      const close = document.createElement('button');
      close.className = 'close';
      close.textContent = '\u00d7';
      close.title = 'Close';
      bar.append(caption, close);
      frame.append(bar);
      close.addEventListener('click', () => finish(closeResult));
    }
    frame.append(client);
    const modal = $('#modal');
    modal.append(frame);
    modal.hidden = false;
    ++dialogOpen;
    const main = $('#window').getBoundingClientRect(), clientArea = $('#client').getBoundingClientRect();
    const outer = frame.getBoundingClientRect();
    frame.style.left = Math.trunc(main.left + (main.width - outer.width) / 2) + 'px';
    frame.style.top = splash ? Math.trunc((innerHeight - outer.height) / 2) + 'px'
                             : Math.trunc(main.top + main.height - (clientArea.height + outer.height) / 2) + 'px';
    function finish(value) {
      if (!frame.isConnected) return;
      frame.remove();
      if (--dialogOpen === 0) modal.hidden = true;
      settle(value);
    }
    const setTitle = (text) => { const caption = frame.querySelector('.caption'); if (caption) caption.textContent = text; };
    return { frame, client, result, finish, setTitle };
  }

  function place(element, [left, top, width, height]) {
    element.style.left = left + 'px';
    element.style.top = top + 'px';
    if (width !== undefined) element.style.width = width + 'px';
    if (height !== undefined) element.style.height = height + 'px';
    return element;
  }

  function element(tag, className, text) {
    const made = document.createElement(tag);
    if (className) made.className = className;
    if (text !== undefined) made.textContent = text;
    return made;
  }

  function glyphButton(box, pictureName, images, caption, onClick) {
    const button = place(element('button'), box);
    if (pictureName) button.append(glyph(pictureName, images));
    if (caption !== undefined) button.append(element('span', 'caption', caption));
    button.addEventListener('click', onClick);
    return button;
  }

  function icon(at) {
    const image = place(element('img'), at);
    image.src = 'assets/verlumo.ico';
    image.width = 32;
    image.height = 32;
    return image;
  }

  function askMessage(kind) {
    present();
    const layout = kMessages[kind];
    const dialog = openDialog({ title: 'Verlumo', width: 261, height: 103, closeResult: kModalCancel, bold: layout.bold });
    dialog.frame.dataset.message = kind;
    dialog.client.append(place(element('div', 'bevel'), [8, 8, 245, 49]), icon([16, 16]),
                         place(element('div', 'message', texts['message' + kind]), layout.box));
    const [okLeft, okPicture, okImages, okResult] = layout.ok;
    const ok = glyphButton([okLeft, 68, 77, 27], okPicture, okImages, layout.cancel ? texts['message' + kind + 'Yes'] : 'OK',
                           () => dialog.finish(okResult));
    ok.classList.add('default', 'ok');
    dialog.client.append(ok);
    let escape = null;
    if (layout.cancel) {
      const [left, name, images, result] = layout.cancel;
      const cancel = glyphButton([left, 68, 77, 27], name, images, texts['message' + kind + 'No'], () => dialog.finish(result));
      cancel.classList.add('cancel');
      dialog.client.append(cancel);
      escape = result;
    }
    ok.focus();
    dialog.frame.addEventListener('keydown', (event) => {
      if (event.key === 'Escape' && escape !== null) dialog.finish(escape);
    });
    return dialog.result;
  }

  // The language dialog: each button in the language it chooses; closing it chooses nothing.
  function askLanguage() {
    const dialog = openDialog({ title: texts.productCaption, width: 320, height: 91, closeResult: kUnset });
    dialog.frame.dataset.dialog = 'language';
    const english = glyphButton([84, 16, 221, 27], 'flags_english', 1, texts.speakEnglish, () => dialog.finish(0));
    const german = glyphButton([84, 48, 221, 27], 'flags_german', 1, texts.speakGerman, () => dialog.finish(1));
    english.classList.add('default', 'english');
    german.classList.add('default', 'german');
    dialog.client.append(place(element('div', 'bevel'), [8, 8, 305, 77]), english, icon([30, 30]), german);
    english.focus();
    return dialog.result;
  }

  // A standard message box: the browser's own words for its caption and buttons.
  function messageBox(caption, text, buttons) {
    const dialog = openDialog({ title: caption, width: 300, height: 90, closeResult: buttons[buttons.length - 1][1] });
    dialog.frame.dataset.dialog = caption.toLowerCase();
    dialog.client.append(place(element('div', 'boxtext', text), [16, 14, 268, 40]));
    let left = 300 - buttons.length * 83;
    for (const [label, result] of buttons) {
      const button = glyphButton([left, 56, 75, 23], null, 1, label, () => dialog.finish(result));
      dialog.client.append(button);
      left += 83;
    }
    dialog.client.querySelector('button').focus();
    return dialog.result;
  }

  function showError(text) {
    return messageBox('Error', text, [['OK', kModalOk]]);
  }

  function askYesNo(text) {
    return messageBox('Warning', text, [['Yes', 1], ['No', 0]]);
  }

  // The save dialog: a name for the game file; the file goes to the browser as a download.
  function chooseSaveFile(fileName) {
    const dialog = openDialog({ title: 'Save as', width: 300, height: 90, closeResult: null });
    dialog.frame.dataset.dialog = 'save';
    const field = place(element('input', 'field'), [16, 18, 268, 20]);
    field.value = fileName;
    field.name = 'file-name';
    const save = glyphButton([126, 56, 75, 23], null, 1, 'Save', () => dialog.finish(field.value.trim()));
    const cancel = glyphButton([209, 56, 75, 23], null, 1, 'Cancel', () => dialog.finish(null));
    save.classList.add('default', 'save');
    dialog.client.append(place(element('span', '', 'Verlumo-Dateien (*.vlm)'), [16, 2, 268, 14]), field, save, cancel);
    field.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') dialog.finish(field.value.trim());
      if (event.key === 'Escape') dialog.finish(null);
    });
    field.focus();
    field.select();
    return dialog.result;
  }

  // The open dialog is the browser's file chooser; the chosen file goes into the game folder
  // under its own name, and the module reads it as the Windows game reads a game file.
  function chooseOpenFile() {
    return new Promise((resolve) => {
      const input = document.createElement('input');
      input.type = 'file';
      input.accept = '.vlm';
      input.hidden = true;
      document.body.append(input);
      input.addEventListener('cancel', () => { input.remove(); resolve(null); });
      input.addEventListener('change', async () => {
        input.remove();
        const file = input.files[0];
        if (!file) { resolve(null); return; }
        const path = kGameFolder + file.name.replace(/[\\/]/g, '_');
        try {
          Module.FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
        } catch (unreadable) {
          // A file the browser cannot read is put there as a folder, which the game then fails
          // to read as a game file and reports with its load error.
          try { Module.FS.unlink(path); } catch (absent) { /* nothing was there */ }
          Module.FS.mkdir(path);
        }
        resolve(path);
      });
      input.click();
    });
  }

  function offerDownload(path) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([Module.FS.readFile(path)], { type: 'application/octet-stream' }));
    link.download = path.substring(path.lastIndexOf('/') + 1);
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  // The info dialog; its language button asks the language while it stays open.
  function showInfo() {
    const dialog = openDialog({ title: texts.infoCaption, width: 309, height: 322, closeResult: kModalCancel });
    dialog.frame.dataset.dialog = 'info';
    const label = (text, box, className) => place(element('span', className || 'label', text), box);
    const coded = label('', [112, 48, 181, 13]), member = label('', [135, 210, 153, 13]), program = label('', [131, 262, 109, 17]);
    const link = (key, text, address, box, className) => {
      const anchor = place(element('a', 'link ' + className, text), box);
      const state = links[key] || (links[key] = { used: false, off: false });
      const show = () => {
        anchor.classList.toggle('used', state.used);
        anchor.classList.toggle('off', state.off);
      };
      anchor.addEventListener('pointerdown', () => { if (!state.off) { state.used = true; show(); } });
      anchor.addEventListener('click', () => {
        if (state.off) return;
        if (!window.open(address, '_blank')) state.off = true;
        show();
      });
      show();
      return anchor;
    };
    const name = label(texts.productName, [112, 8, 189, 25], 'productname');
    name.style.font = 'bold 19px Arial, sans-serif';
    const tongue = glyphButton([120, 290, 89, 27], 'btn_tongue', 1, '', async () => {
      const chosen = await askLanguage();
      if (chosen !== kUnset) {
        Module._vl_set_language(chosen);
        present();
        keepProgress();
      }
      words();
    });
    const ok = glyphButton([216, 290, 89, 27], 'dlg_tick', 2, 'OK', () => dialog.finish(kModalOk));
    ok.classList.add('default', 'ok');
    tongue.classList.add('default', 'tongue');
    const logo = place(picture('logo'), [8, 8]), association = place(picture('association'), [8, 210]);
    dialog.client.append(
      place(element('div', 'bevel'), [4, 4, 301, 197]), logo, name, label(texts.version, [112, 32, 189, 13]),
      coded, icon([38, 98]), label('\u00a9', [100, 104]), label(texts.author, [116, 104]), label(texts.street, [116, 120]),
      label(texts.town, [116, 136]), label('E-Mail:', [44, 155, 62, 21], 'label right'),
      link('email', texts.email, 'mailto:' + texts.email, [112, 155], 'email'),
      label('Homepage:', [21, 174, 85, 21], 'label right'), link('home', texts.homePage, texts.homePage, [112, 174], 'home'),
      place(element('div', 'bevel'), [4, 206, 301, 77]), association, member,
      link('member', texts.association, texts.associationPage, [135, 225, 153, 15], 'member'),
      label(texts.associationShort, [135, 242, 105, 21]), program, tongue, ok);
    for (const right of dialog.client.querySelectorAll('.right')) right.style.textAlign = 'right';
    function words() {
      dialog.setTitle(texts.infoCaption);
      coded.textContent = texts.infoCoded;
      member.textContent = texts.infoMemberOf;
      program.textContent = texts.infoProgram;
      tongue.querySelector('.caption').textContent = texts.infoTongue;
    }
    words();
    ok.focus();
    return dialog.result;
  }

  // The splash: until a click on it, or the first tick of its timer, which runs from the start.
  function showSplash() {
    const dialog = openDialog({ width: 200, height: 150, splash: true });
    dialog.frame.dataset.dialog = 'splash';
    dialog.client.append(place(picture('splash'), [0, 0]));
    dialog.frame.addEventListener('click', () => dialog.finish(kModalOk));
    setTimeout(() => dialog.finish(kModalOk), Math.max(0, kSplashTime - (performance.now() - startedAt)));
    return dialog.result;
  }

  function endGame() {
    ended = true;
    clearInterval(timer);
    $('#window').classList.add('ended');
    notice('Verlumo has ended; reload the page to play again. / Verlumo ist beendet; lade die Seite neu, um weiterzuspielen.');
  }

  // Sounds ----------------------------------------------------------------------------------

  // Browsers let a page make sounds only after the player's first press.
  function wakeAudio() {
    const AudioContext = window.AudioContext || window.webkitAudioContext;
    if (!audio && AudioContext) audio = new AudioContext();
    if (audio && audio.state === 'suspended') audio.resume();
  }

  // The wave image at address: the RIFF size after its tag, and the 8 bytes before it.
  function playWave(address) {
    const view = new DataView(Module.HEAPU8.buffer, address, 8);
    const size = view.getUint32(4, true) + 8;
    window.verlumoPage.playedSounds.push(size);
    if (!audio) return true;
    let wave = waves.get(address);
    if (!wave) {
      wave = audio.decodeAudioData(Module.HEAPU8.slice(address, address + size).buffer);
      waves.set(address, wave);
    }
    const request = {};
    playing = request;
    wave.then((buffer) => {
      if (playing !== request) return;  // a later sound has cut this one off
      stopWave();
      const source = audio.createBufferSource();
      source.buffer = buffer;
      source.connect(audio.destination);
      source.start();
      playing = source;
    }, () => {});
    return true;
  }

  function stopWave() {
    if (playing && playing.stop) playing.stop();
    playing = null;
  }

  // The toolbar, the level selector and the board --------------------------------------------

  function setSelectorRange(last) {
    selector.last = last;
    $('#levelscroll').setAttribute('aria-valuemax', last);
    placeThumb();
  }

  function setSelector(position) {
    selector.position = position;
    $('#levelscroll').setAttribute('aria-valuenow', position);
    placeThumb();
  }

  function placeThumb() {
    const track = $('#levelscroll .track'), thumb = $('#levelscroll .thumb');
    const room = track.clientWidth - thumb.offsetWidth;
    const share = selector.last > 1 ? (selector.position - 1) / (selector.last - 1) : 0;
    thumb.style.left = Math.round(room * share) + 'px';
  }

  function moveSelector(request, tracked) {
    return call('vl_move_level_selector', ['number', 'number', 'number'], [request, selector.position, tracked || 0]);
  }

  function setUpSelector() {
    const scroll = $('#levelscroll'), track = $('#levelscroll .track'), thumb = $('#levelscroll .thumb');
    for (const arrow of scroll.querySelectorAll('.arrow')) {
      arrow.addEventListener('pointerdown', () => moveSelector(Number(arrow.dataset.request)));
    }
    track.addEventListener('pointerdown', (event) => {
      if (event.target === thumb) return;
      const thumbBox = thumb.getBoundingClientRect();
      moveSelector(event.clientX < thumbBox.left ? Request.pageLeft : Request.pageRight);
    });
    // Every position the thumb passes while dragged counts.
    thumb.addEventListener('pointerdown', (event) => {
      thumb.setPointerCapture(event.pointerId);
      const grab = event.clientX - thumb.getBoundingClientRect().left;
      const follow = (move) => {
        const room = track.clientWidth - thumb.offsetWidth;
        const offset = Math.min(room, Math.max(0, move.clientX - grab - track.getBoundingClientRect().left));
        const position = 1 + Math.round(offset / Math.max(1, room) * (selector.last - 1));
        if (position !== selector.position) moveSelector(Request.track, position);
      };
      thumb.addEventListener('pointermove', follow);
      thumb.addEventListener('pointerup', () => thumb.removeEventListener('pointermove', follow), { once: true });
    });
    // The level selector is the one control that takes the keyboard.
    document.addEventListener('keydown', (event) => {
      if (dialogOpen || !(event.key in kKeyRequests) || event.target.tagName === 'INPUT') return;
      event.preventDefault();
      moveSelector(kKeyRequests[event.key]);
    });
  }

  function setUpToolbar() {
    for (const button of document.querySelectorAll('#toolbar .speed')) {
      button.append(glyph(button.dataset.picture, Number(button.dataset.images || 1)));
      const command = Number(button.dataset.command);
      button.addEventListener('pointerdown', () => button.classList.add('pressed'));
      button.addEventListener('pointerleave', () => button.classList.remove('pressed'));
      button.addEventListener('click', () => {
        button.classList.remove('pressed');
        if (busy || dialogOpen) return;
        call('vl_command', ['number'], [command]);
      });
    }
  }

  function applyTexts(newTexts) {
    texts = newTexts;
    for (const button of document.querySelectorAll('#toolbar .speed')) {
      button.title = texts['hint' + button.dataset.command];
    }
    $('#levelscroll').title = texts.selectorHint;
    $('#levellabel').textContent = texts.levelLabel;
    document.documentElement.lang = Module._vl_language() === 1 ? 'de' : 'en';
  }

  function setCaption(caption) {
    $('#caption').textContent = caption;
    document.title = caption;
  }

  let timer = 0;

  // Start -----------------------------------------------------------------------------------

  async function fetchBytes(path) {
    const response = await fetch(path);
    if (!response.ok) throw new Error(path + ': ' + response.status);
    return new Uint8Array(await response.arrayBuffer());
  }

  function loadModule() {
    return new Promise((resolve, reject) => {
      window.Module = {
        locateFile: (name) => name,
        onRuntimeInitialized: resolve,
        onAbort: reject,
      };
      const script = document.createElement('script');
      script.src = 'verlumo-module.js';
      script.onerror = () => reject(new Error('verlumo-module.js cannot be loaded'));
      document.body.append(script);
    });
  }

  async function start() {
    startedAt = performance.now();
    if (typeof WebAssembly !== 'object') {
      notice('This browser cannot run Verlumo: it has no WebAssembly. / Dieser Browser kann Verlumo nicht spielen: ihm fehlt WebAssembly.');
      return;
    }
    storage = openStorage();
    const names = ['btn_newgame', 'btn_restart', 'btn_load', 'btn_save', 'btn_sound', 'btn_exit', 'btn_prev', 'btn_next',
                   'btn_tongue', 'btn_rules', 'btn_info', 'btn_zorbel', 'dlg_smile', 'dlg_again', 'dlg_cross', 'dlg_tick',
                   'flags_english', 'flags_german', 'logo', 'association', 'splash'];
    // Everything in one go: the module, the records, the level file and the pictures.
    const [, records] = await Promise.all([
      loadModule(),
      Promise.all(kRecords.map((name) => fetchBytes('assets/' + name))),
      Promise.all(names.map(async (name) => { pictures[name] = await loadImage(name); })),
    ]);
    performance.mark('verlumo-loaded');
    Module.FS.mkdir(kGameFolder);
    kRecords.forEach((name, i) => Module.FS.writeFile(kGameFolder + name, records[i]));

    const seed = params.has('seed') ? Number(params.get('seed')) >>> 0 : crypto.getRandomValues(new Uint32Array(1))[0];

    setUpToolbar();
    setUpSelector();
    boxCanvas.addEventListener('pointerdown', (event) => {
      if (busy || dialogOpen || event.button !== 0) return;
      const bounds = boxCanvas.getBoundingClientRect();
      const x = Math.floor((event.clientX - bounds.left) * kBoardWidth / bounds.width);
      const y = Math.floor((event.clientY - bounds.top) * kBoardHeight / bounds.height);
      call('vl_press', ['number', 'number'], [x, y]);
    });
    for (const type of ['pointerdown', 'keydown']) document.addEventListener(type, wakeAudio, true);

    busy = true;
    const failure = await Module.ccall('vl_start', 'string', ['number', 'number', 'number', 'number', 'string', 'string'],
                                       [seed, Number(read('tongue', kUnset)), Number(read('level', 1)),
                                        read('sound', '1') !== '0' ? 1 : 0, read('save', ''), read('flags', null)],
                                       { async: true });
    busy = false;
    if (failure) {
      notice('The game\'s pictures and sounds cannot be read: ' + failure);
      return;
    }
    // The first activation (the splash, then the language question while none was chosen)
    // waits for the player; the board is painted meanwhile, as under a Windows modal dialog.
    const activation = call('vl_activate', [], []);
    Module._vl_paint();
    present();
    performance.mark('verlumo-first-board');
    keepProgress();
    // A still page draws no turning car: the tests compare its pixels with the native drawing.
    if (!params.has('still')) {
      timer = setInterval(() => { Module._vl_tick(); present(); }, kTimerInterval);
    }
    await activation;
    document.body.dataset.ready = '1';
  }

  window.verlumoPage = {
    playedSounds: [],
    setCaption,
    setCounterHint: (hint) => { counterCanvas.title = hint; },
    applyTexts,
    setSelectorRange,
    setSelector,
    showSoundSwitch: (on) => $('#toolbar .speed[data-command="' + kSoundCommand + '"]').classList.toggle('down', on),
    showSplash,
    askMessage,
    chooseSaveFile,
    chooseOpenFile,
    askYesNo: (text) => askYesNo(text),
    showError,
    askLanguage,
    showInfo,
    openRules: (context) => window.open(kRulesPages[context], '_blank'),
    // The maker's page; a browser that refuses to open it switches the button off for the run.
    openAddress: (address) => {
      if (makerLinkOn && !window.open(address, '_blank')) makerLinkOn = false;
    },
    offerDownload,
    endGame,
    audioReady: () => audio !== null,
    playWave,
    stopWave,
    // For the tests and the benchmark: one tick of the turning car's timer.
    tick: () => { Module._vl_tick(); present(); },
  };

  start().catch((error) => notice('Verlumo cannot start: ' + error.message));
})();
