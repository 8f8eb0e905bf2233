// The sign that the game is on its way, shown until the first board is drawn: in the player's
// language when an earlier visit left its tag in the browser's storage, else in both. The page
// words it from the tag before its script starts.
const kTagKey = 'verlumo.lang';

function storage() {
  try {
    return window.localStorage;
  } catch (refused) {
    return null;
  }
}

export function endLoading() {
  document.getElementById('loading').hidden = true;
}

// The language the game speaks now, for the next visit's sign.
export function keepLanguageTag(tag) {
  try {
    storage()?.setItem(kTagKey, tag);
  } catch (full) {
    // The sign speaks both languages then.
  }
}
