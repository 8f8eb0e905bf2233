// The game's sounds through Web Audio. The module hands over a wave image in its memory; each is
// decoded once, and a new sound cuts off the one playing, or one still being decoded.

// The whole image's size: the RIFF chunk's size, after its tag, and the 8 bytes before it.
export function waveSize(memory, address) {
  return new DataView(memory, address, 8).getUint32(4, true) + 8;
}

export class WavePlayer {
  // makeContext gives the browser's AudioContext; null when the browser has none.
  constructor(makeContext) {
    this.makeContext = makeContext;
    this.audio = null;
    this.decoded = new Map();  // by the image's place in the module's memory
    this.source = null;        // the sound playing
    this.pending = null;       // the latest sound asked for, while it is decoded
  }

  // Browsers let a page make sounds only after the player's first press.
  wake() {
    if (!this.audio) this.audio = this.makeContext();
    if (this.audio && this.audio.state === 'suspended') this.audio.resume();
  }

  ready() {
    return this.audio !== null;
  }

  // bytes copies the image out of the module's memory, asked for only when it is first played.
  play(address, bytes) {
    if (!this.audio) return;
    let wave = this.decoded.get(address);
    if (!wave) {
      wave = this.audio.decodeAudioData(bytes().buffer);
      this.decoded.set(address, wave);
    }
    const request = {};
    this.pending = request;
    wave.then((buffer) => {
      if (this.pending !== request) return;  // a later sound, or a stop, has cut this one off
      this.stop();
      this.source = this.audio.createBufferSource();
      this.source.buffer = buffer;
      this.source.connect(this.audio.destination);
      this.source.start();
    }, () => {});
  }

  stop() {
    if (this.source) this.source.stop();
    this.source = null;
    this.pending = null;
  }
}
