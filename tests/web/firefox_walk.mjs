// Debian's Firefox ESR plays the served page, driven over WebDriver BiDi by puppeteer-core
// (no browser download): the first picture, every sound decoded whole and in place, the sound
// through the audio worklet after a click where Firefox has a sound output, the page kept by
// its service worker and started again with the server gone, and no errors on the console.
// usage: node firefox_walk.mjs PAGE_FOLDER
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

const FIREFOX = process.env.SPLATVANE_FIREFOX || '/usr/bin/firefox-esr';
const SOUND_LENGTH_MS = 20;
const TYPES = {
  '.html': 'text/html', '.js': 'text/javascript', '.json': 'application/json', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.png': 'image/png',
};

function serve(folder) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://here').pathname).replace(/^\/+/, '') || 'index.html';
    const file = path.join(folder, name);
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, {'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
                             'Content-Length': fs.statSync(file).size});
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

function check(condition, what) {
  if (!condition) throw new Error(what);
}

async function waitFor(page, script, what, seconds = 30) {
  try {
    await page.waitForFunction(script, {timeout: seconds * 1000, polling: 100});
  } catch (error) {
    throw new Error('waited in vain for ' + what);
  }
}

// Keeps the page's audio context, to see whether it runs.
function soundProbe() {
  const Context = window.AudioContext;
  window.AudioContext = function (options) {
    window.probedContext = new Context(options);
    return window.probedContext;
  };
}

async function firstPicture(page, url) {
  await page.goto(url);
  await waitFor(page, 'window.splatvaneFirstPicture > 0', 'the first picture');
  return page.evaluate(() => window.splatvaneFirstPicture);
}

// Firefox drops up to 43 ms at the end of some sounds; the silence packed after each takes
// that, so every sound reaches the game whole and in its place.
async function soundsWhole(page, folder) {
  const index = JSON.parse(fs.readFileSync(path.join(folder, 'game-files.json'), 'utf8'));
  const told = await page.evaluate(() => window.splatvaneSounds);
  let dropped = 0;
  for (const entry of index.filter((each) => each.sound)) {
    const decoded = told[entry.name];
    check(decoded, entry.name + ' was decoded');
    const kept = decoded.decoded - decoded.from;
    check(kept >= entry.sound.frames, `${entry.name}: ${entry.sound.frames - kept} samples of the sound lost`);
    dropped = Math.max(dropped, (entry.sound.frames + entry.sound.tail - kept) * 1000 / entry.sound.rate);
    const alike = await likeness(page, folder, entry.name);
    check(alike >= 0.9, `${entry.name}: the decoded sound lies ${alike.toFixed(2)} alike on the wave, out of place`);
  }
  console.log('every sound decoded by Firefox whole and in place; at most %s ms of the silence after it dropped',
              dropped.toFixed(1));
}

// The samples of a 16-bit wave file: its data chunk.
function samplesOf(wave) {
  for (let at = 12; at + 8 <= wave.length; at += 8 + wave.readUInt32LE(at + 4) + (wave.readUInt32LE(at + 4) & 1)) {
    if (wave.toString('latin1', at, at + 4) === 'data') return wave.subarray(at + 8, at + 8 + wave.readUInt32LE(at + 4));
  }
  return Buffer.alloc(0);
}

// How alike the wave the game got is to the committed one, sample by sample in place: 1 when
// the same.
async function likeness(page, folder, name) {
  const original = samplesOf(fs.readFileSync(new URL('../../assets/sounds/' + name, import.meta.url)));
  const rebuilt = samplesOf(Buffer.from(await page.evaluate((file) => Array.from(Module.FS.readFile('/game/' + file)), name)));
  let top = 0, a = 0, b = 0;
  for (let at = 0; at + 1 < Math.min(original.length, rebuilt.length); at += 2) {
    const x = original.readInt16LE(at), y = rebuilt.readInt16LE(at);
    top += x * y;
    a += x * x;
    b += y * y;
  }
  return top / Math.sqrt(Math.max(1e-9, a * b));
}

// Where Firefox has a sound output, the worklet mixes the game's sound at its pace; headless
// on a machine without one, its audio stays suspended and the game plays on in silence.
async function soundAfterAClick(page) {
  const box = await page.evaluate(() => [window.innerWidth, window.innerHeight]);
  await page.mouse.click(box[0] / 2, box[1] / 2);
  await new Promise((resolve) => setTimeout(resolve, 2000));
  const state = await page.evaluate(() => window.probedContext && window.probedContext.state);
  if (state !== 'running') {
    console.log('Firefox: no sound output here (audio %s), the game plays on in silence', state);
    return;
  }
  check(await page.evaluate(() => window.splatvaneSound.mixer()) === 'worklet', 'the worklet mixes the sound');
  await page.evaluate(() => window.splatvaneSound.listen(true));
  await new Promise((resolve) => setTimeout(resolve, 1000));
  const played = await page.evaluate(() => window.splatvaneTap.length * 128);
  console.log('the audio worklet played %d samples in 1 s', played);
  check(played > 0.6 * 44100 && played < 1.4 * 44100, 'the worklet plays the sound at its pace: ' + played);
}

async function main() {
  const folder = path.resolve(process.argv[2]);
  const server = await serve(folder);
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = await puppeteer.launch({
    browser: 'firefox', executablePath: FIREFOX, headless: true, protocol: 'webDriverBiDi',
    userDataDir: fs.mkdtempSync(path.join(os.tmpdir(), 'splatvane-firefox-')),
    extraPrefsFirefox: {'media.autoplay.default': 0},
  });
  const errors = [];
  try {
    const page = await browser.newPage();
    page.on('pageerror', (error) => errors.push(String(error)));
    page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
    await page.setViewport({width: 1280, height: 800});
    await page.evaluateOnNewDocument(soundProbe);
    const first = await firstPicture(page, url);
    console.log('Firefox: first picture on screen %d ms after the page began to load', Math.round(first));
    await soundsWhole(page, folder);
    await soundAfterAClick(page);
    await waitFor(page, '!!navigator.serviceWorker.controller', 'the service worker to take the page');
    await new Promise((resolve) => server.close(resolve));
    server.closeAllConnections();
    await firstPicture(page, url);
    console.log('Firefox: with the server gone the page starts from its service worker');
    check(errors.length === 0, 'console errors: ' + errors.join('; '));
  } finally {
    await browser.close();
    server.close();
  }
  console.log('firefox walk: all steps passed');
}

main().catch((error) => {
  console.error(error.message);
  process.exit(1);
});
