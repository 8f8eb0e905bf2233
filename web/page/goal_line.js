// A newcomer's first visit: one line over the game says what to do, in the game's language, and
// on a touch screen how to read a button's hint, which only a long press shows. A later visit,
// which finds a language kept, goes straight to the game.
export class GoalLine {
  constructor(element, firstVisit) {
    this.element = element;
    this.element.hidden = !firstVisit;
  }

  reword(texts) {
    if (this.element.hidden) return;
    const touch = matchMedia('(pointer: coarse)').matches;
    this.element.textContent = touch ? `${texts.goal} ${texts.holdForHint}` : texts.goal;
  }
}
