// The touch toolbar's level chooser: a dialog that reaches any level in three taps at most (open
// it, pick a block of fifty, pick the level). It opens on the current level's block and marks the
// solved levels and the current one; a block shows how much of it is solved. The chosen level
// goes to the callback given; Escape, the close box or a tap beside the dialog close it.
import { keepFocusInside } from './dialogs.js';
import { blockOf, levelBlocks, solvedIn, wordsWith } from './level_blocks.js';

function made(tag, className, text) {
  const element = document.createElement(tag);
  if (className) element.className = className;
  if (text !== undefined) element.textContent = text;
  return element;
}

export class LevelChooser {
  // onChoose(level) runs with the level tapped, once the chooser has closed.
  constructor(onChoose) {
    this.onChoose = onChoose;
    this.element = made('div');
    this.element.id = 'levelchooser';
    this.element.hidden = true;
    this.frame = made('div', 'frame');
    this.frame.setAttribute('role', 'dialog');
    this.frame.setAttribute('aria-modal', 'true');
    this.frame.setAttribute('aria-labelledby', 'levelchooser-caption');
    this.caption = made('span', 'caption');
    this.caption.id = 'levelchooser-caption';
    this.closeBox = made('button', 'close', '\u00d7');
    this.closeBox.addEventListener('click', () => this.close());
    const bar = made('div', 'titlebar');
    bar.append(this.caption, this.closeBox);
    this.blocks = made('div', 'blocks');
    this.levels = made('div', 'levels');
    const choices = made('div', 'choices');
    choices.append(this.blocks, this.levels);
    this.legend = made('div', 'legend');
    this.frame.append(bar, choices, this.legend);
    this.element.append(this.frame);
    this.element.addEventListener('click', (event) => { if (event.target === this.element) this.close(); });
    this.frame.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') this.close();
      if (event.key === 'Tab') keepFocusInside(this.frame, event);
    });
    document.body.append(this.element);
  }

  // texts: the description's; last: the level count; current: the level played; solved[level - 1]
  // tells whether a level is solved.
  open({ texts, last, current, solved }) {
    this.texts = texts;
    this.solved = solved;
    this.current = current;
    this.focusBefore = document.activeElement;
    this.caption.textContent = texts.chooseLevel;
    this.closeBox.title = texts.close;
    this.closeBox.setAttribute('aria-label', texts.close);
    const sample = (className) => made('span', 'level ' + className);
    this.legend.replaceChildren(sample('solved'), made('span', null, texts.solvedMark),
                                sample('current'), made('span', null, texts.currentMark));
    this.blockButtons = levelBlocks(last).map((block, index) => {
      const button = made('button', 'block', `${block.first}\u2013${block.last}`);
      const share = made('span', 'share');
      const solvedCount = solvedIn(block, solved);
      share.style.width = (100 * solvedCount / (block.last - block.first + 1)) + '%';
      button.append(share);
      button.setAttribute('aria-label', wordsWith(texts.levelBlock, { ...block, solved: solvedCount }));
      button.addEventListener('click', () => this.showBlock(block, index));
      return button;
    });
    this.blocks.replaceChildren(...this.blockButtons);
    const shown = blockOf(current);
    this.showBlock(levelBlocks(last)[shown], shown);
    this.element.hidden = false;
    this.levels.querySelector('[aria-current]')?.focus();
  }

  showBlock(block, index) {
    this.blockButtons.forEach((button, at) => button.setAttribute('aria-pressed', String(at === index)));
    const buttons = [];
    for (let level = block.first; level <= block.last; ++level) {
      const solved = Boolean(this.solved[level - 1]);
      const button = made('button', 'level' + (solved ? ' solved' : ''), String(level));
      button.setAttribute('aria-label', wordsWith(solved ? this.texts.solvedLevelName : this.texts.levelName, { level }));
      if (level === this.current) button.setAttribute('aria-current', 'true');
      button.addEventListener('click', () => {
        this.close();
        this.onChoose(level);
      });
      buttons.push(button);
    }
    this.levels.replaceChildren(...buttons);
  }

  close() {
    if (this.element.hidden) return;
    this.element.hidden = true;
    this.focusBefore?.focus?.();
  }
}
