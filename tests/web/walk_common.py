"""What the page's walks share: a quiet server for the page folder, Debian's chromium through
chromedriver, and a walk's steps in the game's own coordinates, taken to the page through the
fitted picture's place and scale as the page reports them."""
import base64
import functools
import http.server
import json
import math
import os
import tempfile
import threading
import time
import urllib.request

import trio
from trio_websocket import open_websocket_url

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

RECORD_SIZE = 1248
SHOTS = os.environ.get('SPLATVANE_WALK_SHOTS')


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder, handler=QuietHandler):
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, 'http://127.0.0.1:%d/' % server.server_address[1]


def start_browser(width, height, downloads=None):
    options = Options()
    for flag in ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update', '--disable-sync',
                 '--autoplay-policy=user-gesture-required', '--user-data-dir=' + tempfile.mkdtemp(),
                 '--window-size=%d,%d' % (width, height)]:
        options.add_argument(flag)
    if downloads:
        options.add_experimental_option('prefs', {'download.default_directory': downloads,
                                                  'download.prompt_for_download': False})
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    if downloads:
        browser.execute_cdp_cmd('Page.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': downloads})
    return browser


class Walk:
    def __init__(self, browser, url, name=''):
        self.browser, self.url, self.name, self.step = browser, url, name, 0

    def check(self, condition, what):
        if not condition:
            self.shot('failed')
            raise AssertionError((self.name + ': ' if self.name else '') + what)

    def shot(self, name):
        if SHOTS:
            self.step += 1
            prefix = self.name + '-' if self.name else ''
            self.browser.save_screenshot(os.path.join(SHOTS, '%s%02d-%s.png' % (prefix, self.step, name)))

    def js(self, script, *args):
        return self.browser.execute_script(script, *args)

    def load(self):
        self.browser.get(self.url)
        self.wait(lambda: self.js('return window.splatvaneFirstPicture || 0') > 0, 'the first picture')
        return self.js('return window.splatvaneFirstPicture')

    def wait(self, done, what, seconds=10):
        end = time.time() + seconds
        while not done():
            self.check(time.time() < end, 'waited in vain for ' + what)
            time.sleep(0.05)

    def wait_title(self, title, seconds=10):
        self.wait(lambda: self.browser.title == title, 'the title "%s", not "%s"' % (title, self.browser.title), seconds)

    # The game's window on the page: its corner, the CSS pixels of one game pixel, its size;
    # and the canvas's place.
    def layout(self):
        return self.js('return window.splatvaneLayout')

    # The page point (CSS pixels) at the middle of a game pixel: of the game's window, or of
    # the picture, whose corner the game puts at the window's centre less 400 x 300.
    def page_point(self, at, in_picture=True):
        fit = self.layout()['fit']
        x, y = at
        if in_picture:
            x += fit['width'] // 2 - 400
            y += fit['height'] // 2 - 300
        return fit['left'] + (x + 0.5) * fit['scale'], fit['top'] + (y + 0.5) * fit['scale']

    # The picture's rectangle on the page, in CSS pixels.
    def picture_rect(self):
        fit = self.layout()['fit']
        left = fit['left'] + (fit['width'] // 2 - 400) * fit['scale']
        top = fit['top'] + (fit['height'] // 2 - 300) * fit['scale']
        return left, top, left + 800 * fit['scale'], top + 600 * fit['scale']

    def key(self, key, code):
        typed = {'text': key} if len(key) == 1 else {}
        self.browser.execute_cdp_cmd('Input.dispatchKeyEvent', dict(type='keyDown', key=key, code=code, **typed))
        self.browser.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': 'keyUp', 'key': key, 'code': code})

    # A checksum of the canvas's pixels over a rectangle of the picture or of the game's window.
    def pixels(self, area, in_picture=True):
        left, top = self.page_point(area[:2], in_picture)
        right, bottom = self.page_point(area[2:], in_picture)
        return self.js('''
            const [left, top, right, bottom] = arguments;
            const canvas = document.getElementById('canvas'), box = canvas.getBoundingClientRect();
            const ratio = canvas.width / box.width;
            const x = Math.floor((left - box.left) * ratio), y = Math.floor((top - box.top) * ratio);
            const w = Math.max(1, Math.floor((right - left) * ratio)), h = Math.max(1, Math.floor((bottom - top) * ratio));
            const data = canvas.getContext('2d').getImageData(x, y, w, h).data;
            let hash = 2166136261;
            for (let i = 0; i < data.length; ++i) hash = Math.imul(hash ^ data[i], 16777619) >>> 0;
            return hash;''', left, top, right, bottom)

    # Every byte the page loaded: the page itself and each file it fetched.
    def page_weight(self):
        return self.js('''
            let total = performance.getEntriesByType('navigation')[0].encodedBodySize;
            for (const entry of performance.getEntriesByType('resource')) total += entry.encodedBodySize;
            return total;''')

    def stored_career(self):
        text = self.js("return localStorage.getItem('splatvane/datarecord.dat')")
        return base64.b64decode(text) if text is not None else None

    def error_text(self):
        return self.js("return document.getElementById('error-text').textContent")

    def console_errors(self):
        return [entry['message'] for entry in self.browser.get_log('browser') if entry['level'] == 'SEVERE']


# DevTools commands sent to the page on a connection of their own, each on its moment without
# waiting for the one before to be answered: selenium waits for every answer, which on a busy
# machine paces fast taps far below a player's thumbs.
def send_on_time(browser, page_url, commands):
    address = browser.capabilities['goog:chromeOptions']['debuggerAddress']
    with urllib.request.urlopen('http://%s/json' % address) as answer:
        targets = json.load(answer)
    socket_url = next(target['webSocketDebuggerUrl'] for target in targets
                      if target['type'] == 'page' and target['url'].startswith(page_url))

    answered = [0]

    async def run():
        async with open_websocket_url(socket_url) as socket:
            async def drain():
                while True:
                    if 'id' in json.loads(await socket.get_message()):
                        answered[0] += 1
            async with trio.open_nursery() as nursery:
                nursery.start_soon(drain)
                began = trio.current_time()
                for number, (moment, method, params) in enumerate(commands):
                    await trio.sleep_until(began + moment)
                    await socket.send_message(json.dumps({'id': number + 1, 'method': method, 'params': params}))
                # Closing the connection would drop what the browser has not yet done.
                with trio.move_on_after(60):
                    while answered[0] < len(commands):
                        await trio.sleep(0.05)
                nursery.cancel_scope.cancel()
    trio.run(run)
    return answered[0]


def close_to(a, b, slack=1.0):
    return math.isclose(a, b, abs_tol=slack)


class ServiceWorkerWatch:
    """The service workers' versions as DevTools tells them, from a page target of its own: a
    closing tab's page may leave, while this goes on listening. versions maps each version's id
    to its last report (status, runningStatus, controlledClients, scriptURL)."""

    def __init__(self, browser, target_id):
        address = browser.capabilities['goog:chromeOptions']['debuggerAddress']
        with urllib.request.urlopen('http://%s/json' % address) as answer:
            targets = json.load(answer)
        self.socket_url = next(target['webSocketDebuggerUrl'] for target in targets if target['id'] == target_id)
        self.versions, self.pending, self.stopped = {}, [], False
        self.lock = threading.Lock()
        self.thread = threading.Thread(target=lambda: trio.run(self.listen), daemon=True)
        self.thread.start()
        self.send('ServiceWorker.enable', {})

    def send(self, method, params):
        with self.lock:
            self.pending.append((method, params))

    async def listen(self):
        async with open_websocket_url(self.socket_url) as socket:
            number = 0
            while not self.stopped:
                with self.lock:
                    pending, self.pending = self.pending, []
                for method, params in pending:
                    number += 1
                    await socket.send_message(json.dumps({'id': number, 'method': method, 'params': params}))
                with trio.move_on_after(0.05):
                    message = json.loads(await socket.get_message())
                    if message.get('method') == 'ServiceWorker.workerVersionUpdated':
                        with self.lock:
                            for version in message['params']['versions']:
                                self.versions[version['versionId']] = version

    def snapshot(self):
        with self.lock:
            return {key: dict(value) for key, value in self.versions.items()}

    def stop(self):
        self.stopped = True
        self.thread.join(5)
