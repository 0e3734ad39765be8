#!/usr/bin/python3
"""The page as it reaches a phone: its weight, how soon it shows, installed and offline.

usage: delivery_walk.py PAGE_FOLDER

Debian's chromium, headless, as a phone held sideways (844 x 390 at density 3, touch) on a
9 Mbit/s link with 60 ms latency, from a plain static server that compresses nothing:
- the first visit transfers at most 4 MB, shows a filling progress bar, and its first picture
  within 5 s; every sound the browser decodes keeps its length within 20 ms and its loudness;
- Chromium finds nothing that stops the page's installation;
- a second visit, served by the service worker, shows its first picture within 1 s;
- with the server gone, the page starts again and Continue brings back the career;
- a new version waits while a page of the old one is open, and the page keeps every file of
  its own version; once that page's tab is closed the new version takes over, and the next
  visit gets its files whole, with the career.
SPLATVANE_WALK_SHOTS=DIR keeps a screenshot of every step there.
"""
import base64
import http.server
import io
import json
import math
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import wave

import browser_walk
import walk_common
from browser_walk import HEIGHT, NEXT_MATCH, TEAM_TABLE, WIDTH, Walk, start_browser

PHONE = {'width': 844, 'height': 390, 'deviceScaleFactor': 3, 'mobile': True}
DESKTOP = {'width': WIDTH, 'height': HEIGHT, 'deviceScaleFactor': 1, 'mobile': False}
LINK = {'offline': False, 'latency': 60, 'downloadThroughput': 9e6 / 8, 'uploadThroughput': 9e6 / 8}
FIRST_VISIT_BYTES = 4_000_000
# A machine busy with other work may stretch the time limits: SPLATVANE_TIME_SCALE=2 doubles them.
TIME_SCALE = float(os.environ.get('SPLATVANE_TIME_SCALE', '1'))
FIRST_PICTURE_MS, SECOND_VISIT_MS = 5000 * TIME_SCALE, 1000 * TIME_SCALE
SOUND_LENGTH_MS, LOUDNESS_DB = 20, 1.0
# Counts what the page sends its audio worklet, from the page's first script on: the game's
# sounds, once, and then only requests to its voices.
SOUND_PROBE = '''
    window.soundSent = {sounds: 0, samples: 0, requests: 0, scriptProcessor: false};
    const post = MessagePort.prototype.postMessage;
    MessagePort.prototype.postMessage = function (data) {
      if (data && data.samples) window.soundSent.sounds += 1;
      if (data instanceof Float32Array || data instanceof Int16Array) window.soundSent.samples += data.length;
      if (data && data.request) window.soundSent.requests += 1;
      return post.apply(this, arguments);
    };
    const processor = AudioContext.prototype.createScriptProcessor;
    AudioContext.prototype.createScriptProcessor = function () {
      window.soundSent.scriptProcessor = true;
      return processor.apply(this, arguments);
    };'''
HERE = os.path.dirname(os.path.abspath(__file__))
SOUNDS = os.path.join(HERE, '..', '..', 'assets', 'sounds')
WORKER_WRITER = os.path.join(HERE, '..', '..', 'src', 'platform', 'web', 'write_service_worker.py')


class CountingHandler(http.server.SimpleHTTPRequestHandler):
    """Serves the folder as it is, and counts every byte it sends."""
    sent = 0
    lock = threading.Lock()

    def log_message(self, *args):
        pass

    def copyfile(self, source, target):
        data = source.read()
        target.write(data)
        with CountingHandler.lock:
            CountingHandler.sent += len(data)


def serve(folder):
    return walk_common.serve(folder, CountingHandler)


class Delivery(Walk):
    def device(self, metrics):
        self.browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', metrics)
        self.browser.execute_cdp_cmd('Emulation.setTouchEmulationEnabled',
                                     {'enabled': metrics['mobile'], 'maxTouchPoints': 5})

    def link(self, conditions):
        self.browser.execute_cdp_cmd('Network.enable', {})
        self.browser.execute_cdp_cmd('Network.emulateNetworkConditions', conditions)

    # Loads the page, noting the progress bar's values on the way; returns the first picture's
    # moment from the start of the navigation.
    def load_watching(self):
        self.browser.execute_script('window.location.href = arguments[0]', self.url)
        seen = set()
        end = time.time() + 30
        while self.js('return document.readyState') == 'loading' or not self.js('return window.splatvaneFirstPicture || 0'):
            self.check(time.time() < end, 'waited in vain for the first picture')
            value = self.js("const bar = document.getElementById('loading-bar'); return bar ? bar.value : null")
            if value is not None:
                if 0.3 < value < 0.7 and not any(0.3 < earlier < 0.7 for earlier in seen):
                    self.shot('loading')
                seen.add(round(value, 2))
            time.sleep(0.25)  # seldom, so the walk takes little of the page's time
        return self.js('return window.splatvaneFirstPicture'), sorted(seen)

    def worker_keeps_every_file(self):
        return self.browser.execute_async_script('''
            const done = arguments[arguments.length - 1];
            navigator.serviceWorker.getRegistration().then(async (registration) => {
              if (!registration) return done({caches: [], kept: 0, controlled: false});
              const names = await caches.keys();
              const mine = names.filter((name) => name.startsWith('splatvane ' + registration.scope + ' '));
              const kept = mine.length ? (await (await caches.open(mine[0])).keys()).length : 0;
              done({caches: mine, kept: kept, controlled: !!navigator.serviceWorker.controller});
            });''')

    # A reload: the page that was on show does not linger in the back-forward cache as another
    # open page of the game.
    def reload(self):
        self.browser.refresh()
        self.wait(lambda: self.js('return window.splatvaneFirstPicture || 0') > 0, 'the first picture', 30)

    def installability_errors(self):
        return self.browser.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors']

    def decoded_wave(self, name):
        text = self.js('''
            const bytes = Module.FS.readFile('/game/' + arguments[0]);
            let text = '';
            for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
            return btoa(text);''', name)
        return base64.b64decode(text)


def samples_of(wave_bytes_or_path):
    source = wave.open(wave_bytes_or_path, 'rb')
    with source:
        frames, rate = source.getnframes(), source.getframerate()
        data = source.readframes(frames)
    return [int.from_bytes(data[i:i + 2], 'little', signed=True) for i in range(0, len(data), 2)], rate


def loudness_db(samples):
    power = sum(sample * sample for sample in samples) / max(1, len(samples))
    return 10 * math.log10(max(power, 1e-9))


def likeness(a, b):
    """How alike two sounds are, sample by sample in place: 1 when the same."""
    top = sum(x * y for x, y in zip(a, b))
    return top / math.sqrt(max(1e-9, sum(x * x for x in a) * sum(y * y for y in b)))


def check_sounds(walk):
    told = walk.js('return window.splatvaneSounds')
    walk.check(len(told) == 14, 'the browser decoded all fourteen sounds: %s' % sorted(told))
    for name, decoded in sorted(told.items()):
        original, rate = samples_of(os.path.join(SOUNDS, name))
        rebuilt, rebuilt_rate = samples_of(io.BytesIO(walk.decoded_wave(name)))
        walk.check(rebuilt_rate == rate and len(rebuilt) == len(original), name + ': the game gets the wave at its length')
        length_ms = abs(decoded['decoded'] - decoded['from'] - decoded['tail'] - len(original)) * 1000 / rate
        walk.check(length_ms <= SOUND_LENGTH_MS, '%s: decoded %.1f ms off its length' % (name, length_ms))
        louder = loudness_db(rebuilt) - loudness_db(original)
        walk.check(abs(louder) <= LOUDNESS_DB, '%s: %.2f dB louder than the wave' % (name, louder))
        alike = likeness(original, rebuilt)
        walk.check(alike >= 0.9, '%s: the decoded sound lies %.2f alike on the wave, out of place' % (name, alike))
        print('  %-14s %6.0f ms, decoded %+4.1f ms off, %+5.2f dB, alike %.3f'
              % (name, len(original) * 1000 / rate, length_ms, louder, alike))


def first_visit(walk):
    walk.device(PHONE)
    walk.link(LINK)
    CountingHandler.sent = 0
    first_picture, progress = walk.load_watching()
    walk.shot('phone-first-visit')
    filled = walk.js("return document.getElementById('loading-bar').value")
    walk.check(len([value for value in progress if 0 < value < 1]) >= 3 and filled == 1,
               'the progress bar fills as the files arrive: %s, then %s' % (progress, filled))
    walk.wait(lambda: walk.worker_keeps_every_file()['controlled'], 'the service worker to take the page', 30)
    kept = walk.worker_keeps_every_file()
    walk.check(len(kept['caches']) == 1 and kept['kept'] >= 12, 'one version is kept whole: %s' % kept)
    sent = CountingHandler.sent
    print('first visit on a 9 Mbit/s phone: first picture after %.0f ms, %.2f MB from the server (the page %.2f MB)'
          % (first_picture, sent / 1e6, walk.page_weight() / 1e6))
    walk.check(sent <= FIRST_VISIT_BYTES, 'the first visit transfers at most 4 MB: %d bytes' % sent)
    errors = walk.installability_errors()
    walk.check(errors == [], 'nothing stops the installation: %s' % errors)
    check_sounds(walk)
    return first_picture


def second_visit(walk):
    CountingHandler.sent = 0
    first_picture, _ = walk.load_watching()
    print('second visit from the service worker: first picture after %.0f ms, %d bytes from the server'
          % (first_picture, CountingHandler.sent))
    return first_picture


def offline_continue(walk, server):
    walk.device(DESKTOP)
    walk.link(dict(LINK, latency=0, downloadThroughput=-1, uploadThroughput=-1))
    walk.load()
    walk.new_career()
    table = walk.pixels(TEAM_TABLE)
    walk.click(NEXT_MATCH)
    walk.check(walk.stored_career() is not None, 'Next Match saved the career')
    server.shutdown()
    server.server_close()
    walk.browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': SOUND_PROBE})
    walk.load()
    walk.continue_career()
    walk.shot('offline-continued')
    walk.check(walk.pixels(TEAM_TABLE) == table, 'offline, Continue shows the same team table')
    sound_goes_to_the_worklet(walk)
    walk.device(PHONE)
    walk.load()
    walk.shot('phone-offline')
    print('offline: the page starts from the service worker and Continue brings back the career')


# The team page's music sounds from the worklet, which got the game's sounds once; the page
# sends it no samples after that.
def sound_goes_to_the_worklet(walk):
    walk.js('window.splatvaneSound.listen(true)')
    before = walk.js('return window.soundSent')
    time.sleep(2)
    after = walk.js('return window.soundSent')
    tap = walk.js('const tap = window.splatvaneTap; window.splatvaneSound.listen(false); return tap')
    loud = len([peak for frame, peak in tap if peak > 0.01])
    print('the audio worklet played %d blocks in 2 s, %d of them loud; the page sent it %d samples and %d requests'
          % (len(tap), loud, after['samples'] - before['samples'], after['requests'] - before['requests']))
    walk.check(not after['scriptProcessor'], 'the sound is mixed in the worklet, not a script processor')
    walk.check(after['sounds'] == 14, 'the worklet got each of the fourteen sounds once: %s' % after)
    walk.check(after['samples'] == before['samples'], 'the page sends the worklet no samples as it plays')
    walk.check(0.7 * 2 * 44100 / 128 <= len(tap) <= 1.3 * 2 * 44100 / 128, 'the worklet plays at its pace: %d blocks' % len(tap))
    walk.check(loud > 0, "the team page's music is in what the worklet plays")


# The browser looks for a new worker as the page starts; asked again now and then, as it would
# be on later starts, in case that look came before the new version was there.
def next_version_waits(walk):
    end = time.time() + 60
    while not walk.js('return navigator.serviceWorker.getRegistration().then((r) => !!r.waiting)'):
        walk.check(time.time() < end, 'waited in vain for the next version to wait')
        walk.js('navigator.serviceWorker.getRegistration().then((r) => r.installing || r.update().catch(() => {}))')
        time.sleep(3)


# The version and the digest of each file that a page folder's service worker keeps.
def worker_files(folder):
    with open(os.path.join(folder, 'service-worker.js')) as file:
        head = file.read()
    version = json.loads(head.split('const VERSION = ', 1)[1].split(';', 1)[0])
    return version, json.loads(head.split('const FILES = ', 1)[1].split(';\n', 1)[0])


# The next version of a page folder: another page script, and the worker that keeps it.
def make_next_version(folder):
    version, files = worker_files(folder)
    with open(os.path.join(folder, 'page.js'), 'a') as file:
        file.write('\n// the next version\n')
    source = os.path.join(HERE, '..', '..', 'src', 'platform', 'web', 'service_worker.js')
    subprocess.run([sys.executable, WORKER_WRITER, folder, version.rsplit('-', 1)[0], source,
                    os.path.join(folder, 'service-worker.js')] + sorted(files), check=True)
    return worker_files(folder)


# The names of the files the page gets whose bytes are not those of the given digests.
def files_not_of(walk, files):
    return walk.browser.execute_async_script('''
        const [files, done] = arguments;
        const hex = (buffer) => Array.from(new Uint8Array(buffer), (b) => b.toString(16).padStart(2, '0')).join('');
        Promise.all(Object.keys(files).map(async (name) => {
          const bytes = await (await fetch(name)).arrayBuffer();
          return hex(await crypto.subtle.digest('SHA-256', bytes)) === files[name] ? null : name;
        })).then((names) => done(names.filter((name) => name)), (error) => done(['failed: ' + error]));''', files)


def game_targets(browser, url):
    return [target['targetId'] for target in browser.execute_cdp_cmd('Target.getTargets', {})['targetInfos']
            if target['type'] == 'page' and target['url'].startswith(url)]


# A version of the worker script, as DevTools tells it: the newest one of the page's folder.
def newest_version(watch, url):
    mine = [version for version in watch.snapshot().values() if version['scriptURL'].startswith(url)]
    return max(mine, key=lambda version: int(version['versionId'])) if mine else None


def new_version_replaces_old(browser, page):
    folder = tempfile.mkdtemp()
    shutil.copytree(page, folder, dirs_exist_ok=True)
    server, url = serve(folder)
    try:
        walk = Delivery(browser, url)
        walk.device(DESKTOP)
        walk.load()
        walk.wait(lambda: walk.js('''return navigator.serviceWorker.getRegistration()
                                     .then((r) => !!(r && r.active && r.active.state === 'activated'))'''),
                  'the first version to take the page', 30)
        walk.new_career()
        table = walk.pixels(TEAM_TABLE)
        walk.click(NEXT_MATCH)
        career = walk.stored_career()
        walk.check(career is not None, 'Next Match saved the career')
        old_version, old_files = worker_files(folder)
        old_caches = walk.worker_keeps_every_file()['caches']
        new_version, new_files = make_next_version(folder)
        walk.check(new_version != old_version, 'the next version has a version of its own')
        # A player comes back: the page's start looks for a new version, which installs and waits.
        walk.reload()
        next_version_waits(walk)
        walk.check(files_not_of(walk, old_files) == [], 'an open page keeps getting every file of its own version')
        kept = walk.worker_keeps_every_file()['caches']
        walk.check(len(kept) == 2 and old_caches[0] in kept, 'the new version is kept beside the old: %s' % kept)
        print('a new version (%s) installs whole beside the old (%s) while a page of the old one is open'
              % (new_version, old_version))
        # The page's tab closes, from a tab of its own that shows nothing of the game: no page of
        # the old version is left, and the browser lets the new one in.
        game_tabs = game_targets(browser, url)
        walk.check(len(game_tabs) == 1, 'one page of the game is open: %s' % game_tabs)
        other_tab = browser.execute_cdp_cmd('Target.createTarget', {'url': 'about:blank'})['targetId']
        watch = walk_common.ServiceWorkerWatch(browser, other_tab)
        try:
            walk.wait(lambda: (newest_version(watch, url) or {}).get('status') == 'installed',
                      'DevTools to tell of the waiting version', 10)
            closed = time.time()
            browser.execute_cdp_cmd('Target.closeTarget', {'targetId': game_tabs[0]})
            walk.wait(lambda: newest_version(watch, url)['status'] == 'activated',
                      'the new version to take over once the old one\'s page closed: %s' % newest_version(watch, url), 30)
            print('the new version took over %.1f s after the old one\'s page closed' % (time.time() - closed))
        finally:
            watch.stop()
        browser.switch_to.window(browser.window_handles[0])
        walk.device(DESKTOP)
        walk.load()
        walk.check(files_not_of(walk, new_files) == [], 'a new visit gets every file of the new version')
        now = walk.worker_keeps_every_file()
        walk.check(now['controlled'] and len(now['caches']) == 1 and now['caches'] != old_caches,
                   'only the new version is kept: %s, before %s' % (now['caches'], old_caches))
        walk.check(walk.stored_career() == career, 'the career is there, byte for byte, under the new version')
        walk.continue_career()
        walk.check(walk.pixels(TEAM_TABLE) == table, 'Continue under the new version shows the same team table')
        print('the next visit got the new version whole, with the career; the old version\'s files are gone')
    finally:
        server.shutdown()
        shutil.rmtree(folder)


def phone_walk(browser, page):
    server, url = serve(page)
    walk = Delivery(browser, url)
    first_picture = first_visit(walk)
    second_picture = second_visit(walk)
    offline_continue(walk, server)
    errors = walk.console_errors()
    walk.check(not errors, 'console errors: %s' % errors)
    # Timed last, so that a busy machine's slow start still lets every other step be seen.
    walk.check(first_picture <= FIRST_PICTURE_MS, 'the first picture within %.0f ms: %.0f ms' % (FIRST_PICTURE_MS, first_picture))
    walk.check(second_picture <= SECOND_VISIT_MS,
               'the second visit within %.0f ms: %.0f ms' % (SECOND_VISIT_MS, second_picture))


# Each part starts from a fresh profile: nothing kept, nothing installed.
def in_fresh_browser(part, page):
    browser = start_browser(tempfile.mkdtemp())
    try:
        part(browser, page)
    finally:
        browser.quit()


def main():
    page = sys.argv[1]
    in_fresh_browser(phone_walk, page)
    in_fresh_browser(new_version_replaces_old, page)
    print('delivery walk: all steps passed')


if __name__ == '__main__':
    main()
