#!/usr/bin/python3
"""A real browser plays the page as a new player would, served from 127.0.0.1.

usage: browser_walk.py PAGE_FOLDER

Debian's chromium, headless, driven through chromedriver: a new career to the team page;
Next Match, a reload and Continue bring back the same team table; the road into a live match,
played a few seconds; a career exported and imported back; a wrong-sized import and a full
storage refused with the game's own errors; a hidden tab back without a burst of ticks; no
console errors. Then a page folder with a sound missing shows why it cannot start.
SPLATVANE_WALK_SHOTS=DIR keeps a screenshot of every step there.
"""
import base64
import functools
import http.server
import json
import os
import shutil
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

WIDTH, HEIGHT = 1280, 800
RECORD_SIZE = 1248
SHOTS = os.environ.get('SPLATVANE_WALK_SHOTS')

# Picture coordinates of what the walk presses.
ANYWHERE = (400, 300)
NEW_GAME, CONTINUE_GAME = (500, 195), (500, 285)
OPTIONS_NEXT, TEAM_COMPLETE = (400, 575), (600, 575)
NEXT_MATCH, HELP = (770, 25), (325, 25)
PLAY, PAUSE = (765, 500), (675, 505)
TEAM_TABLE = (1, 81, 449, 254)
FIELD = (0, 40, 800, 440)
# Window coordinates of the help screen's controls.
HELP_TOPIC, HELP_CANCEL, HELP_BOX = (40, 200), (98, 497), (208, 72, 745, 529)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(folder, handler=QuietHandler):
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, 'http://127.0.0.1:%d/' % server.server_address[1]


def start_browser(downloads):
    options = Options()
    for flag in ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                 '--disable-background-networking', '--disable-component-update', '--disable-sync',
                 '--autoplay-policy=user-gesture-required', '--user-data-dir=' + tempfile.mkdtemp(),
                 '--window-size=%d,%d' % (WIDTH, HEIGHT)]:
        options.add_argument(flag)
    options.add_experimental_option('prefs', {'download.default_directory': downloads,
                                              'download.prompt_for_download': False})
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    browser = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                            {'width': WIDTH, 'height': HEIGHT, 'deviceScaleFactor': 1, 'mobile': False})
    browser.execute_cdp_cmd('Page.setDownloadBehavior', {'behavior': 'allow', 'downloadPath': downloads})
    return browser


class Walk:
    def __init__(self, browser, url):
        self.browser, self.url, self.step = browser, url, 0

    def check(self, condition, what):
        if not condition:
            self.shot('failed')
            raise AssertionError(what)

    def shot(self, name):
        if SHOTS:
            self.step += 1
            self.browser.save_screenshot(os.path.join(SHOTS, '%02d-%s.png' % (self.step, name)))

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

    # Presses and releases at picture coordinates: the picture's corner is at the canvas's
    # centre less 400 x 300, as the game places it.
    def click(self, at, button='left'):
        self.click_window((WIDTH // 2 - 400 + at[0], HEIGHT // 2 - 300 + at[1]), button)

    def click_window(self, at, button='left'):
        x, y = at
        for kind in ('mouseMoved', 'mousePressed', 'mouseReleased'):
            self.browser.execute_cdp_cmd('Input.dispatchMouseEvent', {
                'type': kind, 'x': x, 'y': y, 'button': 'none' if kind == 'mouseMoved' else button, 'clickCount': 1})
        time.sleep(0.25)

    def key(self, key, code):
        typed = {'text': key} if len(key) == 1 else {}
        self.browser.execute_cdp_cmd('Input.dispatchKeyEvent', dict(type='keyDown', key=key, code=code, **typed))
        self.browser.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': 'keyUp', 'key': key, 'code': code})

    # A checksum of the canvas's pixels in a rectangle of the picture.
    def pixels(self, area):
        left, top, right, bottom = area
        return self.pixels_window((WIDTH // 2 - 400 + left, HEIGHT // 2 - 300 + top,
                                   WIDTH // 2 - 400 + right, HEIGHT // 2 - 300 + bottom))

    def pixels_window(self, area):
        left, top, right, bottom = area
        return self.js('''
            const [x, y, w, h] = arguments;
            const data = document.getElementById('canvas').getContext('2d').getImageData(x, y, w, h).data;
            let hash = 2166136261;
            for (let i = 0; i < data.length; ++i) hash = Math.imul(hash ^ data[i], 16777619) >>> 0;
            return hash;''', left, top, right - left, bottom - top)

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

    def dismiss_error(self):
        self.key('Enter', 'Enter')
        self.wait(lambda: self.error_text() == '', 'the error box to close')

    def to_title_menu(self):
        self.wait_title('Splatvane')
        self.click(ANYWHERE)
        self.click(ANYWHERE)

    def new_career(self):
        self.to_title_menu()
        self.shot('title-menu')
        self.click(NEW_GAME)
        self.wait_title('Options Screen')
        self.shot('options')
        self.click(OPTIONS_NEXT)
        self.wait_title('Build Your Team')
        self.shot('team-building')
        self.click(TEAM_COMPLETE)
        self.wait_title('Team Page')
        time.sleep(0.3)
        self.shot('team-page')

    def continue_career(self):
        self.to_title_menu()
        self.click(CONTINUE_GAME)
        self.wait_title('Team Page')
        time.sleep(0.3)

    def next_match_then_reload(self):
        table = self.pixels(TEAM_TABLE)
        self.click(NEXT_MATCH)
        saved = self.stored_career()
        self.check(saved is not None and len(saved) == RECORD_SIZE, 'Next Match saved the career')
        self.load()
        self.continue_career()
        self.shot('continued')
        self.check(self.error_text() == '', 'Continue brought no error: ' + self.error_text())
        self.check(self.pixels(TEAM_TABLE) == table, 'Continue shows the same team table')

    def help_and_back(self):
        self.click(HELP)
        self.wait_title('Form13')
        # The help screen is laid out in the window: a topic, the wheel in its box, CANCEL.
        self.click_window(HELP_TOPIC)
        box = self.pixels_window(HELP_BOX)
        self.browser.execute_cdp_cmd('Input.dispatchMouseEvent', {
            'type': 'mouseWheel', 'x': 400, 'y': 300, 'deltaX': 0, 'deltaY': 300})
        time.sleep(0.3)
        self.shot('help')
        self.check(self.pixels_window(HELP_BOX) != box, 'the wheel scrolls the help text')
        self.click_window(HELP_CANCEL)
        self.wait_title('Team Page')

    def into_a_match(self):
        self.click(NEXT_MATCH)
        self.wait(lambda: self.browser.title in ('Form10', 'Next Match'), 'the travel or the line-up')
        if self.browser.title == 'Form10':
            self.shot('travel')
            self.click(ANYWHERE)
        self.wait_title('Next Match', 30)
        self.shot('next-match')
        self.click(PLAY)
        self.wait_title('Game On')
        self.click(PAUSE)
        self.key('1', 'Digit1')
        self.click((120, 220))
        self.click((60, 300), 'right')
        self.key(' ', 'Space')
        before = self.pixels(FIELD)
        time.sleep(3)
        self.shot('match')
        self.check(self.pixels(FIELD) != before, 'the field moves')
        self.check(self.browser.title == 'Game On', 'the match plays on')

    def export_and_import(self, downloads):
        saved = self.stored_career()
        self.browser.find_element(By.ID, 'export-career').click()
        exported = os.path.join(downloads, 'datarecord.dat')
        self.wait(lambda: os.path.exists(exported) and os.path.getsize(exported) == RECORD_SIZE, 'the export')
        with open(exported, 'rb') as file:
            self.check(file.read() == saved, 'the export is the saved career byte for byte')
        self.js("localStorage.removeItem('splatvane/datarecord.dat')")
        self.browser.find_element(By.ID, 'import-file').send_keys(exported)
        self.wait(lambda: self.stored_career() == saved, 'the import')
        wrong = os.path.join(downloads, 'short.dat')
        with open(wrong, 'wb') as file:
            file.write(saved[:1000])
        self.browser.find_element(By.ID, 'import-file').send_keys(wrong)
        self.wait(lambda: self.error_text() != '', 'the refused import')
        self.shot('import-refused')
        self.check(self.error_text() == 'Read beyond end of file.', 'a short file: ' + self.error_text())
        self.check(self.stored_career() == saved, 'a refused import replaces nothing')
        self.dismiss_error()

    def full_storage(self):
        saved = self.stored_career()
        self.js('''window.realSetItem = Storage.prototype.setItem;
                   Storage.prototype.setItem = function () { throw new DOMException('full', 'QuotaExceededError'); };''')
        self.click(NEXT_MATCH)
        self.wait(lambda: self.error_text() != '', 'the full storage')
        self.shot('storage-full')
        self.check(self.error_text() == 'Disk full.', 'a full storage: ' + self.error_text())
        self.check(self.stored_career() == saved, 'a failed save keeps the career')
        self.js('Storage.prototype.setItem = window.realSetItem;')
        self.dismiss_error()

    # A tab that was hidden a while comes back without a burst of the ticks it missed: the
    # title screen shows its pictures a tick apart from the first frame on.
    def hidden_tab_returns(self):
        self.js('''window.shown = []; const draw = CanvasRenderingContext2D.prototype.drawImage;
                   CanvasRenderingContext2D.prototype.drawImage = function () {
                     if (this.canvas.id === 'canvas') window.shown.push(performance.now());
                     return draw.apply(this, arguments); };''')
        game = self.browser.current_window_handle
        self.browser.switch_to.new_window('tab')
        time.sleep(2)
        self.browser.close()
        self.browser.switch_to.window(game)
        back = self.js('return performance.now()')
        time.sleep(1)
        shown = [moment for moment in self.js('return window.shown') if moment > back]
        self.check(len(shown) >= 5, 'the game goes on after the tab comes back: %s' % shown)
        gaps = [later - earlier for earlier, later in zip(shown, shown[1:])]
        self.check(min(gaps) > 50, 'no burst of ticks after the tab comes back: %s' % gaps)

    def console_errors(self):
        return [entry['message'] for entry in self.browser.get_log('browser') if entry['level'] == 'SEVERE']


def missing_sound_is_told(browser, page):
    broken = tempfile.mkdtemp()
    shutil.copytree(page, broken, dirs_exist_ok=True)
    index_path = os.path.join(broken, 'game-files.json')
    with open(index_path) as file:
        index = [entry for entry in json.load(file) if entry['name'] != 'bird.wav']
    with open(index_path, 'w') as file:
        json.dump(index, file)
    server, url = serve(broken)
    try:
        browser.get(url)
        walk = Walk(browser, url)
        walk.wait(lambda: browser.find_element(By.ID, 'startup-error').is_displayed(), 'the start-up error')
        text = browser.find_element(By.ID, 'startup-error').text
        walk.check('Cannot open the sound file bird.wav' in text, 'the start-up error: ' + text)
    finally:
        server.shutdown()
        shutil.rmtree(broken)


def main():
    page = sys.argv[1]
    downloads = tempfile.mkdtemp()
    server, url = serve(page)
    browser = start_browser(downloads)
    try:
        walk = Walk(browser, url)
        first_picture = walk.load()
        weight = walk.page_weight()
        print('first picture on screen %.0f ms after the page began to load; the page loaded %.1f MB'
              % (first_picture, weight / 1e6))
        walk.check(first_picture <= 2000, 'the first picture within 2 s')
        walk.check(weight <= 12e6, 'the page loads 12 MB at most')
        walk.new_career()
        walk.next_match_then_reload()
        walk.help_and_back()
        walk.into_a_match()
        walk.export_and_import(downloads)
        walk.load()
        walk.continue_career()
        walk.full_storage()
        walk.load()
        walk.hidden_tab_returns()
        errors = walk.console_errors()
        walk.check(not errors, 'console errors: %s' % errors)
        missing_sound_is_told(browser, page)
    finally:
        browser.quit()
        server.shutdown()
        shutil.rmtree(downloads, ignore_errors=True)
    print('browser walk: all steps passed')


if __name__ == '__main__':
    main()
