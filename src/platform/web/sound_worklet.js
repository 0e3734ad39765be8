// The game's mixer, off the page's own thread: it holds the game's sounds and its voices, and
// the page tells it only what the game did to a voice and at which sample of the audio clock.
// The voices follow the game's own rules (a playing sound goes on, an ended one starts again, a
// stopped one continues where it stopped), so they stand where the game's voices stand. A
// request that comes after its sample has been played is taken as if on time: the voice is
// where it would have been, and only the samples already gone are missed.
class SplatvaneVoices {
  constructor(tell) {
    this.tell = tell;      // reports back to the page: the first sample of a sound, the taps
    this.sounds = [];      // Int16Array per sound
    this.voices = [];
    this.waiting = [];     // requests and voice states not yet due
    this.sum = new Float32Array(0);
    this.tapped = null;    // while the page listens: [frame, peak] of each block played
  }

  take(message) {
    if (message.samples) {
      this.sounds[message.sound] = message.samples;
    } else if ('tap' in message) {
      this.tapped = message.tap ? [] : null;
    } else {
      this.waiting.push(message);
    }
  }

  voice(sound) {
    return this.voices[sound] || (this.voices[sound] = {playing: false, position: 0, endedAt: -1, posted: -1, due: -1});
  }

  length(sound) { return this.sounds[sound] ? this.sounds[sound].length : 0; }

  // Fills `out`, whose first sample is `from` of the audio clock.
  render(out, from) {
    let done = 0;
    while (this.waiting.length > 0 && this.waiting[0].at < from + out.length) {
      const message = this.waiting.shift();
      const due = Math.max(message.at - from, done);
      this.mix(out, done, due, from);
      done = due;
      this.apply(message, from + done);
    }
    this.mix(out, done, out.length, from);
    if (this.tapped) this.tap(out, from);
  }

  // The game's mixer adds whole samples and clips the sum; so does this one.
  mix(out, begin, end, from) {
    if (end <= begin) return;
    if (this.sum.length < out.length) this.sum = new Float32Array(out.length);
    const sum = this.sum;
    sum.fill(0, begin, end);
    this.voices.forEach((voice, sound) => this.add(voice, sound, sum, begin, end, from));
    for (let i = begin; i < end; ++i) out[i] = Math.max(-32768, Math.min(32767, sum[i])) / 32768;
  }

  add(voice, sound, sum, begin, end, from) {
    if (!voice.playing) return;
    const samples = this.sounds[sound];
    const taken = Math.min(end - begin, this.length(sound) - voice.position);
    for (let i = 0; i < taken; ++i) sum[begin + i] += samples[voice.position + i];
    if (voice.posted >= 0 && taken > 0) {
      this.tell({started: sound, at: from + begin, due: voice.due, posted: voice.posted});
      voice.posted = -1;
    }
    this.moveOn(voice, sound, taken, from + begin);
  }

  moveOn(voice, sound, count, at) {
    if (!voice.playing) return;
    const left = Math.max(this.length(sound) - voice.position, 0);
    const taken = Math.min(left, count);
    voice.position += taken;
    if (voice.position >= this.length(sound)) {
      voice.playing = false;
      voice.endedAt = at + taken;
    }
  }

  // A voice back as it stood `late` samples before `now`: a playing one played them, one that
  // ended since was playing then.
  windBack(voice, sound, late, now) {
    if (late <= 0) return;
    if (voice.playing) {
      voice.position = Math.max(voice.position - late, 0);
    } else if (voice.endedAt > now - late) {
      voice.playing = true;
      voice.position = Math.max(this.length(sound) - (voice.endedAt - (now - late)), 0);
    }
  }

  // Takes a request or the page's voices at their sample, at `now` or before it.
  apply(message, now) {
    const late = Math.max(now - message.at, 0);
    const changed = message.voices ? message.voices.map((state, sound) => sound) : [message.sound];
    changed.forEach((sound) => this.windBack(this.voice(sound), sound, late, now));
    if (message.voices) {
      message.voices.forEach((state, sound) => Object.assign(this.voice(sound), {playing: state[0] === 1, position: state[1]}));
    } else {
      this.request(message, this.voice(message.sound));
    }
    changed.forEach((sound) => this.moveOn(this.voice(sound), sound, late, message.at));
  }

  request(message, voice) {
    if (message.request === 'play') {
      if (voice.playing) return;
      if (voice.position >= this.length(message.sound)) voice.position = 0;
      voice.playing = true;
      voice.posted = message.posted;
      voice.due = message.at;
    } else if (message.request === 'stop') {
      voice.playing = false;
    } else if (message.request === 'rewind') {
      voice.position = 0;
    }
  }

  // What left the mixer, a block at a time, for the page's checks: told about every tenth of a
  // second.
  tap(out, from) {
    let peak = 0;
    for (let i = 0; i < out.length; ++i) peak = Math.max(peak, Math.abs(out[i]));
    this.tapped.push([from, peak]);
    if (from + out.length - this.tapped[0][0] >= 4096) {
      this.tell({tap: this.tapped});
      this.tapped = [];
    }
  }
}

if (typeof registerProcessor === 'function') {
  class SplatvaneSound extends AudioWorkletProcessor {
    constructor() {
      super();
      this.voices = new SplatvaneVoices((message) => this.port.postMessage(message));
      this.port.onmessage = (event) => this.voices.take(event.data);
    }

    process(inputs, outputs) {
      this.voices.render(outputs[0][0], currentFrame);
      return true;
    }
  }

  registerProcessor('splatvane-sound', SplatvaneSound);
}
