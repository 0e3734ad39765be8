#!/usr/bin/python3
"""A real browser plays the page as a new player would, served from 127.0.0.1.

usage: browser_walk.py PAGE_FOLDER

Debian's chromium, headless, driven through chromedriver: a new career to the team page, on
the way a click that sounds from the audio worklet through a page busy for 300 ms; Next Match,
a reload and Continue bring back the same team table; the road into a live match, played a few
seconds, its sounds on time; a career exported and imported back; a wrong-sized import, a
1.5 GB one and a full storage refused with the game's own errors; a damaged stored career kept
aside; a hidden tab back without a burst of ticks; no console errors. Then a browser without
audio worklets plays a click from a script processor, and a page folder with a sound missing
shows why it cannot start.
SPLATVANE_WALK_SHOTS=DIR keeps a screenshot of every step there.
"""
import json
import os
import shutil
import sys
import tempfile
import time

from selenium.webdriver.common.by import By

import walk_common
from walk_common import RECORD_SIZE, serve

WIDTH, HEIGHT = 1280, 800

# Picture coordinates of what the walk presses.
ANYWHERE = (400, 300)
CLICK_SOUND = 0
NEW_GAME, CONTINUE_GAME = (500, 195), (500, 285)
OPTIONS_NEXT, TEAM_COMPLETE = (400, 575), (600, 575)
NEXT_MATCH, HELP = (770, 25), (325, 25)
PLAY, PAUSE = (765, 500), (675, 505)
TEAM_TABLE = (1, 81, 449, 254)
FIELD = (0, 40, 800, 440)
# Window coordinates of the help screen's controls.
HELP_TOPIC, HELP_CANCEL, HELP_BOX = (40, 200), (98, 497), (208, 72, 745, 529)


def start_browser(downloads):
    browser = walk_common.start_browser(WIDTH, HEIGHT, downloads)
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                            {'width': WIDTH, 'height': HEIGHT, 'deviceScaleFactor': 1, 'mobile': False})
    return browser


class Walk(walk_common.Walk):
    # Presses and releases at picture coordinates, or at the game window's.
    def click(self, at, button='left'):
        self.click_page(self.page_point(at), button)

    def click_window(self, at, button='left'):
        self.click_page(self.page_point(at, in_picture=False), button)

    def click_page(self, at, button='left'):
        x, y = at
        for kind in ('mouseMoved', 'mousePressed', 'mouseReleased'):
            self.browser.execute_cdp_cmd('Input.dispatchMouseEvent', {
                'type': kind, 'x': x, 'y': y, 'button': 'none' if kind == 'mouseMoved' else button, 'clickCount': 1})
        time.sleep(0.25)

    def pixels_window(self, area):
        return self.pixels(area, in_picture=False)

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
        x, y = self.page_point((400, 300), in_picture=False)
        self.browser.execute_cdp_cmd('Input.dispatchMouseEvent', {
            'type': 'mouseWheel', 'x': x, 'y': y, 'deltaX': 0, 'deltaY': 300})
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
        self.js('window.splatvaneSoundStarts.length = 0')
        before = self.pixels(FIELD)
        time.sleep(3)
        self.shot('match')
        self.check(self.pixels(FIELD) != before, 'the field moves')
        self.check(self.browser.title == 'Game On', 'the match plays on')
        self.sounds_on_time()

    # The match's sounds, each due a little after the game played it, reach the worklet in time.
    def sounds_on_time(self):
        starts = self.js('return window.splatvaneSoundStarts')
        late = [(start['at'] - start['due']) / 44.1 for start in starts if start['at'] > start['due']]
        delays = [(start['at'] - start['posted']) / 44.1 for start in starts]
        print('sound: %d sounds began in 3 s of the match, %.1f to %.1f ms after the game played them; '
              '%d came late to the worklet, by %.1f ms at most' % (len(starts), min(delays, default=0),
                                                                   max(delays, default=0), len(late), max(late, default=0)))
        self.check(starts, 'the match sounds')
        self.check(len(late) <= len(starts) // 10, 'the sounds reach the worklet in time: %s' % starts)

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
        # A file of 1.5 GB (sparse: it takes no room) is refused by its size, never read.
        huge = os.path.join(downloads, 'huge.dat')
        with open(huge, 'wb') as file:
            file.truncate(1536 << 20)
        started = time.monotonic()
        self.browser.find_element(By.ID, 'import-file').send_keys(huge)
        self.wait(lambda: self.error_text() != '', 'the refused huge import')
        refused_after = time.monotonic() - started
        print('a 1.5 GB import refused after %.2f s' % refused_after)
        self.check(self.error_text() == 'Read beyond end of file.', 'a huge file: ' + self.error_text())
        self.check(refused_after < 5, 'a huge file is refused at once')
        self.check(self.stored_career() == saved, 'a refused huge import replaces nothing')
        os.remove(huge)
        self.dismiss_error()

    # A stored career that is not what the game stores reads as a damaged file, and the next
    # save keeps it aside instead of writing over it.
    def damaged_career_is_kept(self):
        damaged = 'not a career, not even base64!'
        self.js("localStorage.setItem('splatvane/datarecord.dat', arguments[0])", damaged)
        self.continue_career()
        self.check(self.error_text() == 'Read beyond end of file.', 'a damaged stored career: ' + self.error_text())
        self.dismiss_error()
        self.click(NEXT_MATCH)
        self.wait(lambda: self.stored_career() is not None and len(self.stored_career()) == RECORD_SIZE, 'the save')
        kept = self.js("return localStorage.getItem('splatvane/datarecord.dat.unreadable')")
        self.check(kept == damaged, 'the damaged career is kept aside: %r' % kept)
        note = self.js("return document.getElementById('career-note').textContent")
        self.check('datarecord.dat.unreadable' in note, 'the page says where it is kept: ' + note)
        self.shot('damaged-career-kept')
        self.js("localStorage.removeItem('splatvane/datarecord.dat.unreadable')")

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

    # A sound the game plays sounds through a page that is busy for 300 ms straight after, and
    # one played as the page comes out of it sounds as soon: the worklet mixes, not the page,
    # whose own thread mixes nothing.
    def sound_plays_while_the_page_is_busy(self):
        sound = 'window.splatvaneSound.'
        self.wait(lambda: self.js('return %smixer()' % sound) != 'none', 'the sound to start')
        self.check(self.js('return %smixer()' % sound) == 'worklet', 'the worklet mixes the sound')
        self.check(self.js("return typeof Module._splatvane_mix") == 'undefined', 'the page has no mixer of its own')
        self.js('%slisten(true)' % sound)
        time.sleep(0.2)
        x, y = self.page_point(ANYWHERE)
        began, ended = self.js('''
            const [x, y] = arguments, sound = window.splatvaneSound;
            const press = () => {
              const at = {clientX: x, clientY: y, button: 0, bubbles: true};
              document.getElementById('canvas').dispatchEvent(new MouseEvent('mousedown', at));
              document.dispatchEvent(new MouseEvent('mouseup', at));
            };
            window.splatvaneSoundStarts.length = 0;
            const began = sound.clock();
            press();
            const busy = performance.now();
            while (performance.now() - busy < 300) {}
            const ended = sound.clock();
            press();
            return [began, ended];''', x, y)
        time.sleep(0.3)
        starts = self.js('return window.splatvaneSoundStarts')
        tap = self.js('const tap = window.splatvaneTap; window.splatvaneSound.listen(false); return tap')
        clicks = [start for start in starts if start['started'] == CLICK_SOUND]
        self.check(len(clicks) == 2, 'both clicks reached the worklet: %s' % starts)
        rate = 44100
        delays = [(click['at'] - click['posted']) / rate * 1000 for click in clicks]
        print('sound: a click began to leave the worklet %.1f ms after the game played it, and %.1f ms after '
              'the page was busy 300 ms; the browser puts %.1f ms more before the speaker'
              % (delays[0], delays[1], self.js('return %slatency()' % sound) * 1000))
        self.check(clicks[0]['at'] < began + 0.1 * rate, 'the click began while the page was busy: %s, %s' % (clicks, began))
        self.check(ended - began >= 0.25 * rate, 'the audio clock went on while the page was busy')
        self.check(max(delays) <= 50, 'a click sounds within 50 ms, busy page or not: %s' % delays)
        heard = [peak for frame, peak in tap if clicks[0]['at'] <= frame < clicks[0]['at'] + 0.04 * rate]
        self.check(len(heard) >= 0.04 * rate // 128 - 1 and len([peak for peak in heard if peak > 0]) >= 0.8 * len(heard),
                   'the click sounds, block after block, while the page is busy: %s' % heard)

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


# A browser without audio worklets mixes the sound on the page's thread, with a script
# processor, by the same rules.
def sound_without_worklets(browser, url):
    script = browser.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument',
                                     {'source': 'delete window.AudioWorkletNode;'})['identifier']
    try:
        walk = Walk(browser, url)
        walk.load()
        walk.to_title_menu()
        walk.wait(lambda: walk.js('return window.splatvaneSound.mixer()') != 'none', 'the sound to start')
        walk.check(walk.js('return window.splatvaneSound.mixer()') == 'page', 'the page mixes where worklets are missing')
        walk.js('window.splatvaneSound.listen(true); window.splatvaneSoundStarts.length = 0')
        walk.click(ANYWHERE)
        time.sleep(1)
        starts = walk.js('return window.splatvaneSoundStarts')
        tap = walk.js('const tap = window.splatvaneTap; window.splatvaneSound.listen(false); return tap')
        walk.check([start for start in starts if start['started'] == CLICK_SOUND], 'the click sounds: %s' % starts)
        walk.check(len([peak for frame, peak in tap if peak > 0]) > 0, 'the script processor plays the sound')
        print('sound: without audio worklets a click began %.1f ms after the game played it'
              % ((starts[0]['at'] - starts[0]['posted']) / 44.1))
    finally:
        browser.execute_cdp_cmd('Page.removeScriptToEvaluateOnNewDocument', {'identifier': script})


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
        walk.to_title_menu()
        walk.sound_plays_while_the_page_is_busy()
        walk.new_career()
        walk.next_match_then_reload()
        walk.help_and_back()
        walk.into_a_match()
        walk.export_and_import(downloads)
        walk.load()
        walk.damaged_career_is_kept()
        walk.load()
        walk.continue_career()
        walk.full_storage()
        walk.load()
        walk.hidden_tab_returns()
        errors = walk.console_errors()
        walk.check(not errors, 'console errors: %s' % errors)
        sound_without_worklets(browser, url)
        missing_sound_is_told(browser, page)
    finally:
        browser.quit()
        server.shutdown()
        shutil.rmtree(downloads, ignore_errors=True)
    print('browser walk: all steps passed')


if __name__ == '__main__':
    main()
