// The module's imports: each hands a request of the game to the page (window.verlumoPage, made
// by page/start.js). Those that wait for the player return through Asyncify: the game's call is
// suspended until the page's dialog settles its promise.
mergeInto(LibraryManager.library, {
  // A text for the module, in memory the module frees; 0 for none.
  $pageText__deps: ['malloc'],
  $pageText: function (text) {
    if (text === null) return 0;
    var size = lengthBytesUTF8(text) + 1;
    var address = _malloc(size);
    stringToUTF8(text, address, size);
    return address;
  },
  vl_page_set_caption: function (text) { window.verlumoPage.setCaption(UTF8ToString(text)); },
  vl_page_set_counter_hint: function (text) { window.verlumoPage.setCounterHint(UTF8ToString(text)); },
  vl_page_describe: function (json) { window.verlumoPage.describe(JSON.parse(UTF8ToString(json))); },
  vl_page_set_selector_range: function (last) { window.verlumoPage.setSelectorRange(last); },
  vl_page_set_selector: function (position) { window.verlumoPage.setSelector(position); },
  vl_page_show_sound_switch: function (on) { window.verlumoPage.showSoundSwitch(on !== 0); },
  vl_page_show_board_cursor: function (column, row, words) {
    window.verlumoPage.showBoardCursor(column, row, UTF8ToString(words));
  },
  vl_page_announce: function (words) { window.verlumoPage.announce(UTF8ToString(words)); },
  vl_page_show_splash: function () {
    return Asyncify.handleAsync(function () { return window.verlumoPage.showSplash(); });
  },
  vl_page_ask_message: function (message, dialog) {
    return Asyncify.handleAsync(function () { return window.verlumoPage.askMessage(message, UTF8ToString(dialog)); });
  },
  vl_page_choose_save_file__deps: ['$pageText'],
  vl_page_choose_save_file: function (fileName) {
    return Asyncify.handleAsync(function () {
      return window.verlumoPage.chooseSaveFile(UTF8ToString(fileName)).then(pageText);
    });
  },
  vl_page_choose_open_file__deps: ['$pageText'],
  vl_page_choose_open_file: function () {
    return Asyncify.handleAsync(function () { return window.verlumoPage.chooseOpenFile().then(pageText); });
  },
  vl_page_ask_yes_no: function (text) {
    return Asyncify.handleAsync(function () { return window.verlumoPage.askYesNo(UTF8ToString(text)); });
  },
  vl_page_show_error: function (text) {
    return Asyncify.handleAsync(function () { return window.verlumoPage.showError(UTF8ToString(text)); });
  },
  vl_page_ask_language: function () {
    return Asyncify.handleAsync(function () { return window.verlumoPage.askLanguage(); });
  },
  vl_page_show_info: function () {
    return Asyncify.handleAsync(function () { return window.verlumoPage.showInfo(); });
  },
  vl_page_open_rules: function (address) { window.verlumoPage.openRules(UTF8ToString(address)); },
  vl_page_open_maker_page: function (address) { window.verlumoPage.openAddress(UTF8ToString(address)); },
  vl_page_game_saved: function (path) { window.verlumoPage.offerDownload(UTF8ToString(path)); },
  vl_page_close: function () { window.verlumoPage.endGame(); },
  vl_page_audio_ready: function () { return window.verlumoPage.audioReady() ? 1 : 0; },
  vl_page_play_wave: function (image) { return window.verlumoPage.playWave(image) ? 1 : 0; },
  vl_page_stop_wave: function () { window.verlumoPage.stopWave(); },
});
