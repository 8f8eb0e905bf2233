// The presses a player makes while the game is still starting: kept in order and played once it
// takes presses, each after the one before has ended, so that a tap on a page still loading is
// not lost.
export class PressQueue {
  constructor() {
    this.kept = [];
    this.open = false;
  }

  // Keeps the press (a function that plays it) while the game starts: true. False once the game
  // takes presses, and the caller plays it itself.
  keep(press) {
    if (this.open) return false;
    this.kept.push(press);
    return true;
  }

  // Plays the kept presses, and those made meanwhile, in order; then lets presses through.
  async release() {
    while (this.kept.length > 0) await this.kept.shift()();
    this.open = true;
  }
}
