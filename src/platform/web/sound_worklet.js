// The game's mixed sound, played off the page's own thread: the page sends the samples a
// little ahead, and this plays them in order. When none are there it plays silence, so a busy
// page makes a gap, never a crackle of stale samples.
class SplatvaneSound extends AudioWorkletProcessor {
  constructor() {
    super();
    this.chunks = [];
    this.played = 0;  // of the first chunk
    this.port.onmessage = (event) => { this.chunks.push(event.data); };
  }

  process(inputs, outputs) {
    const out = outputs[0][0];
    let filled = 0;
    while (filled < out.length && this.chunks.length > 0) {
      const chunk = this.chunks[0];
      const taken = Math.min(out.length - filled, chunk.length - this.played);
      out.set(chunk.subarray(this.played, this.played + taken), filled);
      filled += taken;
      this.played += taken;
      if (this.played >= chunk.length) {
        this.chunks.shift();
        this.played = 0;
      }
    }
    out.fill(0, filled);
    return true;
  }
}

registerProcessor('splatvane-sound', SplatvaneSound);
