// A newcomer's first visit: one line over the game says what to do, in the game's language, and
// on a touch screen how to read a button's hint, which only a long press shows. A later visit,
// which finds a language kept, goes straight to the game.
export class GoalLine {
  constructor(element, firstVisit) {
    this.element = element;
    this.element.hidden = !firstVisit;
  }

  // True when the line, shown, has new words, which may take another height.
  reword(texts) {
    if (this.element.hidden) return false;
    const touch = matchMedia('(pointer: coarse)').matches;
    const words = touch ? `${texts.goal} ${texts.holdForHint}` : texts.goal;
    if (words === this.element.textContent) return false;
    this.element.textContent = words;
    return true;
  }
}
