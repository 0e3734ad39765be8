#!/usr/bin/python3
"""The page played by touch alone, on a phone held sideways and upright and on a tablet.

usage: touch_walk.py PAGE_FOLDER

Chromium's mobile emulation with touch events, every tap, hold, swipe and pad through the
DevTools protocol's Input.dispatchTouchEvent. On each device: the picture fits the page, whole,
centred and as large as the rule allows, and no page control lies over it; a new career by
taps, its player renamed on the game's own keyboard; a held finger shows a price that a drag
away does not spend; the help text swiped and left; the speed game drummed on the two pads to
its top reward; the road into a match by taps, where a held finger shows the path, a player is
selected, orders are given, fire and pause are pressed. A desktop window of 1920 x 1080 shows
the picture 1.8 times as large, and follows the window made smaller. SPLATVANE_WALK_SHOTS=DIR
keeps screenshots.
"""
import struct
import sys
import time

import walk_common
from walk_common import RECORD_SIZE, serve

DEVICES = [('phone-sideways', 844, 390, 3), ('phone-upright', 390, 844, 3), ('tablet', 1180, 820, 2)]
# The least room a band beside the picture takes, as the page lays it out.
BAND = 88

ANYWHERE = (400, 300)
NEW_GAME = (500, 195)
OPTIONS_NEXT, TEAM_COMPLETE, WEATHER = (400, 575), (600, 575), (400, 380)
RENAME, KEY_A, KEY_C, KEY_E, KEY_OK = (70, 265), (129, 345), (210, 377), (168, 315), (389, 371)
UPGRADE, NEXT_MATCH, HELP, TRAIN = (625, 25), (770, 25), (325, 25), (575, 25)
PRICE_LABEL, CASH = (599, 52, 760, 72), (10, 270, 190, 290)
SPEED_GAME = (600, 200)
PLAY, PAUSE, MOVE_FIRE = (765, 500), (675, 505), (550, 505)
STRIP_PLAYER_2, PANEL, FIELD = (60, 470), (280, 440, 440, 600), (0, 40, 800, 440)
HELP_TOPIC, HELP_CANCEL, HELP_BOX = (40, 200), (98, 497), (208, 72, 745, 529)
# The career record: slot 1's name, speed and endurance, and the cash.
NAME_1, SPEED_1, ENDURANCE_1, CASH_AT = 344, 544, 576, 16
# Alternating releases a second on the two pads: 13 hold the speed above 250 only once it is
# up there, and the run's first seconds pull the average down.
DRUMS_PER_SECOND = 16
DRUM_SECONDS = 10


class TouchWalk(walk_common.Walk):
    def touches(self, kind, points):
        self.browser.execute_cdp_cmd('Input.dispatchTouchEvent', {
            'type': kind, 'touchPoints': [{'x': x, 'y': y, 'id': number} for number, (x, y) in points]})

    def tap(self, at, in_picture=True, settle=0.3):
        self.touches('touchStart', [(0, self.page_point(at, in_picture))])
        self.touches('touchEnd', [])
        time.sleep(settle)

    def hold(self, at, in_picture=True):
        self.touches('touchStart', [(0, self.page_point(at, in_picture))])
        time.sleep(0.35)

    def slide(self, to, in_picture=True):
        self.touches('touchMove', [(0, self.page_point(to, in_picture))])
        time.sleep(0.02)

    def lift(self):
        self.touches('touchEnd', [])
        time.sleep(0.3)

    def pad_centre(self, side):
        box = self.js("return document.getElementById('pad-%s').getBoundingClientRect().toJSON()" % side)
        return box['x'] + box['width'] / 2, box['y'] + box['height'] / 2

    def red_pixels(self, area):
        left, top = self.page_point(area[:2])
        right, bottom = self.page_point(area[2:])
        return self.js('''
            const [left, top, right, bottom] = arguments;
            const canvas = document.getElementById('canvas'), box = canvas.getBoundingClientRect();
            const ratio = canvas.width / box.width;
            const data = canvas.getContext('2d').getImageData(Math.floor((left - box.left) * ratio), Math.floor((top - box.top) * ratio),
                Math.floor((right - left) * ratio), Math.floor((bottom - top) * ratio)).data;
            let red = 0;
            for (let i = 0; i < data.length; i += 4) if (data[i] > 200 && data[i + 1] < 60 && data[i + 2] < 60) ++red;
            return red;''', left, top, right, bottom)

    # The picture whole on the page, centred, as large as the page leaves it beside the bands.
    def picture_fits(self, width, height):
        fit = self.layout()['fit']
        left, top, right, bottom = self.picture_rect()
        largest = max(min((width - 2 * BAND) / 800, height / 600), min(width / 800, (height - 2 * BAND) / 600))
        self.check(walk_common.close_to(fit['scale'], largest, 1e-6), 'the scale %.4f, not %.4f' % (fit['scale'], largest))
        self.check(left >= -0.5 and top >= -0.5 and right <= width + 0.5 and bottom <= height + 0.5,
                   'the picture %s lies within %d x %d' % ((left, top, right, bottom), width, height))
        self.check(walk_common.close_to(left, width - right, 1.5) and walk_common.close_to(top, height - bottom, 1.5),
                   'the picture is centred: %s' % ((left, top, right, bottom),))
        return fit['scale'], (left, top, right, bottom)

    # Every control of the page that shows lies outside the picture.
    def no_control_over_picture(self):
        left, top, right, bottom = self.picture_rect()
        over = self.js('''
            const [left, top, right, bottom] = arguments;
            const over = [];
            for (const element of document.querySelectorAll('button, a, input, .pad, #career-note')) {
              const box = element.getBoundingClientRect();
              if (box.width === 0 || box.height === 0) continue;
              if (box.left < right - 0.5 && box.right > left + 0.5 && box.top < bottom - 0.5 && box.bottom > top + 0.5)
                over.push(element.id || element.tagName);
            }
            return over;''', left, top, right, bottom)
        self.check(not over, 'page controls over the picture: %s' % over)

    def new_career_by_taps(self):
        self.wait_title('Splatvane')
        self.tap(ANYWHERE)
        self.tap(ANYWHERE)
        self.tap(NEW_GAME)
        self.wait_title('Options Screen')
        # No weather: rain would move the paused field that the match's checks look at.
        self.tap(WEATHER)
        self.shot('options')
        self.tap(OPTIONS_NEXT)
        self.wait_title('Build Your Team')
        for key in (RENAME, KEY_A, KEY_C, KEY_E):
            self.tap(key)
        self.shot('typing-a-name')
        self.tap(KEY_OK)
        self.tap(TEAM_COMPLETE)
        self.wait_title('Team Page')
        time.sleep(0.3)
        self.shot('team-page')

    # Held on Upgrade Gear the price shows and nothing is bought; drawn away, nothing is.
    def price_before_paying(self):
        label, cash = self.pixels(PRICE_LABEL), self.pixels(CASH)
        self.hold(UPGRADE)
        self.wait(lambda: self.pixels(PRICE_LABEL) != label, 'a held finger to show the price')
        self.shot('price-held')
        self.check(self.pixels(CASH) == cash, 'a held finger spends nothing')
        self.slide((625, 300))
        self.lift()
        time.sleep(0.2)
        self.check(self.pixels(CASH) == cash, 'a finger drawn away spends nothing')

    def saved(self):
        record = self.stored_career()
        self.check(record is not None and len(record) == RECORD_SIZE, 'the career is saved')
        return record

    def next_match_saves(self):
        self.tap(NEXT_MATCH)
        return self.saved()

    def help_swiped_and_left(self):
        self.tap(HELP)
        self.wait_title('Form13')
        self.tap(HELP_TOPIC, in_picture=False)
        box = self.pixels(HELP_BOX, in_picture=False)
        self.touches('touchStart', [(0, self.page_point((450, 450), False))])
        for y in range(440, 150, -10):
            self.slide((450, y), in_picture=False)
        self.lift()
        self.shot('help-swiped')
        self.wait(lambda: self.pixels(HELP_BOX, in_picture=False) != box, 'a swipe to scroll the help text')
        self.tap(HELP_CANCEL, in_picture=False)
        self.wait_title('Team Page')

    # Two thumbs on the two pads: each press lands while the other thumb is still down, and
    # the releases alternate.
    def speed_game_by_pads(self):
        self.tap(TRAIN)
        self.wait_title('Form16')
        self.tap(SPEED_GAME)
        self.wait_title('Form17')
        pads = [self.pad_centre('left'), self.pad_centre('right')]
        self.js('''window.padReleases = [];
                   for (const pad of document.querySelectorAll('.pad'))
                     pad.addEventListener('touchend', () => window.padReleases.push(performance.now()));''')
        began, drums = time.time(), 0
        while self.browser.title == 'Form17' and time.time() - began < 240:
            self.drum(pads, drums, DRUM_SECONDS)
            drums += DRUM_SECONDS * DRUMS_PER_SECOND
            if drums == DRUM_SECONDS * DRUMS_PER_SECOND:
                self.shot('speed-game')
        self.wait_title('Team Page', 5)
        # The releases that reached the page, and how fast over the run.
        releases = self.js('return window.padReleases')
        return len(releases), (len(releases) - 1) * 1000 / (releases[-1] - releases[0])

    # Each thumb comes down while the other is still down, then the other lifts: the releases
    # alternate, left, right, left, and both pads are held together between them.
    def drum(self, pads, first, seconds):
        touch = 'Input.dispatchTouchEvent'
        point = lambda number: {'x': pads[number % 2][0], 'y': pads[number % 2][1], 'id': number}
        commands = [(0, touch, {'type': 'touchStart', 'touchPoints': [point(first)]})]
        for step in range(seconds * DRUMS_PER_SECOND):
            moment, held, coming = (step + 0.5) / DRUMS_PER_SECOND, first + step, first + step + 1
            commands.append((moment, touch, {'type': 'touchStart', 'touchPoints': [point(held), point(coming)]}))
            commands.append((moment + 0.01, touch, {'type': 'touchEnd', 'touchPoints': [point(held)]}))
        commands.append((seconds, touch, {'type': 'touchEnd', 'touchPoints': []}))
        answered = walk_common.send_on_time(self.browser, self.url, commands)
        self.check(answered == len(commands), 'the browser took every touch: %d of %d' % (answered, len(commands)))

    def into_a_match(self):
        self.wait(lambda: self.browser.title in ('Form10', 'Next Match'), 'the travel or the line-up')
        if self.browser.title == 'Form10':
            self.tap(ANYWHERE)
        self.wait_title('Next Match', 30)
        self.shot('line-up')
        self.tap(PLAY)
        self.wait_title('Game On')
        time.sleep(0.3)
        panel = self.pixels(PANEL)
        self.tap(STRIP_PLAYER_2)
        self.wait(lambda: self.pixels(PANEL) != panel, 'a tap on the strip to select a player')
        # A held finger shows the path; over a bunker it is red, and lifted there it orders
        # nothing; a clear one is taken.
        away, unpointed = self.red_pixels(FIELD), self.pixels(FIELD)
        refused = clear = None
        for y in range(60, 440, 40):
            for x in range(120, 780, 60):
                self.hold((x, y))
                self.wait(lambda: self.pixels(FIELD) != unpointed, 'the path to show')
                red = self.red_pixels(FIELD)
                if red > away + 10 and refused is None:
                    refused = (x, y)
                    self.shot('path-refused')
                elif red <= away and clear is None and x > 200:
                    clear = (x, y)
                self.slide((400, 520))
                self.lift()
                self.wait(lambda: self.pixels(FIELD) == unpointed, 'the path to go')
                if refused and clear:
                    break
            if refused and clear:
                break
        self.check(refused is not None and clear is not None, 'the path shows red behind a bunker and clear elsewhere')
        self.tap(refused)
        self.tap(clear)
        self.hold(clear)
        self.shot('path-clear')
        self.slide((400, 520))
        self.lift()
        self.tap(MOVE_FIRE)
        self.tap((700, 240))
        self.tap(MOVE_FIRE)
        field = self.pixels(FIELD)
        self.tap(PAUSE, settle=1.5)
        self.shot('match-running')
        self.wait(lambda: self.pixels(FIELD) != field, 'the match to run after the pause is pressed')
        self.check(self.browser.title == 'Game On', 'the match plays on')


def emulate(browser, name, width, height, ratio):
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': width, 'height': height, 'deviceScaleFactor': ratio, 'mobile': True,
        'screenOrientation': {'type': 'landscapePrimary' if width > height else 'portraitPrimary',
                              'angle': 90 if width > height else 0}})
    browser.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': True, 'maxTouchPoints': 5})


def walk_device(browser, url, device):
    name, width, height, ratio = device
    emulate(browser, name, width, height, ratio)
    walk = TouchWalk(browser, url, name)
    browser.execute_cdp_cmd('Storage.clearDataForOrigin', {'origin': url.rstrip('/'), 'storageTypes': 'local_storage'})
    walk.load()
    scale, rect = walk.picture_fits(width, height)
    walk.no_control_over_picture()
    walk.shot('title')
    walk.new_career_by_taps()
    walk.no_control_over_picture()
    walk.price_before_paying()
    first = walk.next_match_saves()
    walk.check(first[NAME_1:NAME_1 + 4] == b'\x03ACE', 'the typed name is kept: %r' % first[NAME_1:NAME_1 + 21])
    walk.load()
    walk.tap(ANYWHERE)
    walk.tap(ANYWHERE)
    walk.tap((500, 285))  # Continue Game
    walk.wait_title('Team Page')
    walk.help_swiped_and_left()
    drums, rate = walk.speed_game_by_pads()
    walk.check(rate >= 13, 'at least 13 alternating releases a second reached the page: %.1f' % rate)
    second = walk.next_match_saves()
    speed = [struct.unpack_from('<i', record, SPEED_1)[0] for record in (first, second)]
    endurance = [struct.unpack_from('<i', record, ENDURANCE_1)[0] for record in (first, second)]
    cash = [struct.unpack_from('<i', record, CASH_AT)[0] for record in (first, second)]
    walk.check(speed[1] == min(20, speed[0] + 2) and endurance[1] == min(20, endurance[0] + 2),
               'the top reward: speed %s, endurance %s' % (speed, endurance))
    walk.check(cash[1] == cash[0] - 500, 'the training cost $500: %s' % cash)
    walk.into_a_match()
    errors = walk.console_errors()
    walk.check(not errors, 'console errors: %s' % errors)
    print('%s %d x %d at %g: picture at scale %.4f, %s; %d pad releases reached the page, %.1f a second; speed %s, endurance %s'
          % (name, width, height, ratio, scale, tuple(round(v, 1) for v in rect), drums, rate, speed, endurance))


def desktop_window(browser, url):
    browser.execute_cdp_cmd('Emulation.setTouchEmulationEnabled', {'enabled': False})
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                            {'width': 1920, 'height': 1080, 'deviceScaleFactor': 1, 'mobile': False})
    walk = TouchWalk(browser, url, 'desktop')
    walk.load()
    scale, rect = walk.picture_fits(1920, 1080)
    walk.check(walk_common.close_to(scale, 1.8, 1e-9), 'a 1920 x 1080 window shows the picture 1.8 times as large')
    walk.no_control_over_picture()
    walk.shot('title')
    print('desktop 1920 x 1080: picture at scale %.4f, %s' % (scale, tuple(round(v, 1) for v in rect)))
    # The window made smaller: the picture follows without a reload.
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride',
                            {'width': 1000, 'height': 560, 'deviceScaleFactor': 1, 'mobile': False})
    walk.wait(lambda: walk.layout()['fit']['scale'] < 1, 'the picture to follow the window')
    walk.picture_fits(1000, 560)
    walk.no_control_over_picture()


def main():
    server, url = serve(sys.argv[1])
    browser = walk_common.start_browser(1280, 900)
    try:
        for device in DEVICES:
            walk_device(browser, url, device)
        desktop_window(browser, url)
    finally:
        browser.quit()
        server.shutdown()
    print('touch walk: all steps passed')


if __name__ == '__main__':
    main()
