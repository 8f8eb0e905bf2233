// The level selector's scroll bar as plain numbers: where its thumb stands for a position, which
// position a drag of the thumb reaches, and which key asks for which request. toolbar.js moves
// the real thumb with these.

// The thumb's offset in the track, room being the track's width less the thumb's.
export function thumbOffset(room, position, last) {
  const share = last > 1 ? (position - 1) / (last - 1) : 0;
  return Math.round(room * share);
}

// The position for the pointer at pointerX, the thumb having been grabbed grab pixels from its
// left edge; the thumb stays inside the track.
export function dragPosition({ pointerX, grab, trackLeft, room, last }) {
  const offset = Math.min(room, Math.max(0, pointerX - grab - trackLeft));
  return 1 + Math.round(offset / Math.max(1, room) * (last - 1));
}

// The keys of a horizontal scroll bar, as Windows gives them to its scroll bars.
const kKeyRequestNames = {
  ArrowLeft: 'lineLeft', ArrowUp: 'lineLeft', ArrowRight: 'lineRight', ArrowDown: 'lineRight',
  PageUp: 'pageLeft', PageDown: 'pageRight', Home: 'first', End: 'last',
};

// The request the key makes, by the description's numbers; undefined for any other key.
export function keyRequest(key, requests) {
  return Object.hasOwn(kKeyRequestNames, key) ? requests[kKeyRequestNames[key]] : undefined;
}
