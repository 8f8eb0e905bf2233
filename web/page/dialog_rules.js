// How the page's dialogs behave, as plain values: where one goes over the main window, what
// Escape answers, which buttons carry the dark frame of a default button, and which links keep
// their colour once used. dialogs.js builds them from the description with these.

// A dialog goes where the Windows game puts its dialogs: centred across the main window, and as
// far up from the window's bottom edge as half of its own height and the client area's together.
// The sizes are the outer ones, frames included; the results are truncated to whole pixels.
export function dialogPosition(main, clientHeight, dialog) {
  return {
    left: Math.trunc(main.left + (main.width - dialog.width) / 2),
    top: Math.trunc(main.top + main.height - (clientHeight + dialog.height) / 2),
  };
}

// The splash stands centred across the main window and in the middle of the screen's height.
export function splashPosition(main, screenHeight, splash) {
  return {
    left: Math.trunc(main.left + (main.width - splash.width) / 2),
    top: Math.trunc((screenHeight - splash.height) / 2),
  };
}

// Escape presses the dialog's cancel button; in a dialog without one it answers as the close box
// does, and the splash, which has neither, ends as a click ends it.
export function escapeResult(dialog, description) {
  const cancel = dialog.controls.find((control) => control.cancel);
  if (cancel) return cancel.result;
  return dialog.caption ? dialog.closeResult : description.modal.ok;
}

// The default button is framed dark, and so is every picture button that does not cancel: the
// Windows game's own dialogs draw theirs that way.
export function framedAsDefault(button) {
  return button.default || (Boolean(button.picture) && !button.cancel);
}

// A link that shows an address turns yellow once used; one that names its page stays blue.
export function namesItsPage(link) {
  return !link.address.endsWith(link.text);
}

// A dialog with a field answers with the text typed, trimmed, when its default button closed
// it, and with null when anything else did.
export function fieldAnswer(dialog, result, typed) {
  const chosen = dialog.controls.find((control) => control.default);
  return chosen && result === chosen.result ? typed.trim() : null;
}
