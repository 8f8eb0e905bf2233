// The toolbar's hints without a mouse to hover: a finger held on a control shows its hint, and
// the press that showed it does not also act.
const kHoldTime = 500;   // ms a finger rests before the hint shows
const kShowTime = 2500;  // ms the hint stays

export function offerTouchHints(container) {
  const tip = document.createElement('div');
  tip.id = 'touchhint';
  tip.setAttribute('role', 'tooltip');
  tip.hidden = true;
  document.body.append(tip);
  let holding = 0, hiding = 0, shown = false;
  const hide = () => { tip.hidden = true; };
  container.addEventListener('pointerdown', (event) => {
    shown = false;
    const control = event.target.closest('[title]');
    if (event.pointerType !== 'touch' || !control) return;
    holding = setTimeout(() => {
      shown = true;
      tip.textContent = control.title;
      tip.hidden = false;
      const bounds = control.getBoundingClientRect();
      tip.style.left = Math.max(0, Math.min(bounds.left, innerWidth - tip.offsetWidth)) + 'px';
      tip.style.top = Math.max(0, bounds.top - tip.offsetHeight - 4) + 'px';
      clearTimeout(hiding);
      hiding = setTimeout(hide, kShowTime);
    }, kHoldTime);
  });
  for (const type of ['pointerup', 'pointercancel', 'pointerleave']) container.addEventListener(type, () => clearTimeout(holding), true);
  container.addEventListener('click', (event) => {
    if (!shown) return;
    shown = false;
    event.stopPropagation();
  }, true);
  // A long press brings up no menu of the browser over the game.
  container.addEventListener('contextmenu', (event) => event.preventDefault());
}
