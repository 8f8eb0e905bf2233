// Words a screen reader says once, through the page's polite live region. The region is emptied
// and given the words a moment later, so that words equal to the last ones are heard again;
// words that come meanwhile are said with them, in order.
const kPause = 100;  // ms the region stays empty

export class Announcer {
  constructor(region) {
    this.region = region;
    this.waiting = [];
  }

  say(words) {
    this.waiting.push(words);
    if (this.waiting.length > 1) return;
    this.region.textContent = '';
    setTimeout(() => {
      this.region.textContent = this.waiting.join(' ');
      this.waiting = [];
    }, kPause);
  }
}
