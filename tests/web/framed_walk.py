#!/usr/bin/python3
"""The page as a site that hosts browser games shows it: unpacked under a sub-path of the
game host's origin (127.0.0.1) and framed by a page of another site (localhost), as such
sites do, with the frame allowed full screen and sound. Headless Chromium plays it from a
new career to the team page, where Next Match saves; after a reload of the framing page
Continue brings the same team back. Framed, the page still has its sound, its full-screen
control, the career in storage, export and import, and its credits.

usage: framed_walk.py HOST_ROOT SUB_PATH      (HOST_ROOT/SUB_PATH/index.html is the page)
SPLATVANE_WALK_SHOTS=DIR keeps a screenshot of every step there.
"""
import os
import shutil
import sys
import tempfile

from selenium.webdriver.common.by import By

from browser_walk import HEIGHT, WIDTH, Walk, serve, start_browser

# Where the framing page puts the frame, which is as large as the window of the plain walk.
FRAME_LEFT, FRAME_TOP = 24, 64
FRAMING_PAGE = '''<!doctype html>
<html lang="en"><head><meta charset="utf-8"><title>Games of the week</title><link rel="icon" href="data:,">
<style>body {{ margin: 0; font: 16px sans-serif; background: #234; color: #fff; }}
h1 {{ margin: 0; height: {top}px; line-height: {top}px; padding-left: {left}px; font-size: 22px; }}
iframe {{ position: absolute; left: {left}px; top: {top}px; width: {width}px; height: {height}px; border: 0; }}
</style></head>
<body><h1>Games of the week: Splatvane</h1>
<iframe src="{game}" allow="fullscreen; autoplay" allowfullscreen></iframe>
</body></html>
'''


class FramedWalk(Walk):
    def __init__(self, browser, framing_url):
        super().__init__(browser, framing_url)

    def load(self):
        self.browser.switch_to.default_content()
        self.browser.get(self.url)
        self.browser.switch_to.frame(self.browser.find_element(By.TAG_NAME, 'iframe'))
        self.wait(lambda: self.js('return window.splatvaneFirstPicture || 0') > 0, 'the first picture in the frame')
        return self.js('return window.splatvaneFirstPicture')

    # The browser's own title is the framing page's; the game names its screens in the frame.
    def wait_title(self, title, seconds=10):
        self.wait(lambda: self.js('return document.title') == title,
                  'the frame\'s title "%s", not "%s"' % (title, self.js('return document.title')), seconds)

    def click_page(self, at, button='left'):
        super().click_page((FRAME_LEFT + at[0], FRAME_TOP + at[1]), button)

    # The sound starts with the first click: the context the page makes is kept to be asked.
    def watch_sound(self):
        self.js('''const Real = window.AudioContext;
                   window.AudioContext = function (options) {
                     window.splatvaneSound = new Real(options);
                     return window.splatvaneSound; };''')

    def sound_plays(self):
        self.wait(lambda: self.js('return window.splatvaneSound ? window.splatvaneSound.state : ""') == 'running',
                  'the sound to start in the frame')

    # The frame may go full screen, and the page's control for it, when it has one, does so.
    def full_screen(self):
        self.check(self.js('return document.fullscreenEnabled'), 'the frame may go full screen')
        controls = self.browser.find_elements(By.CSS_SELECTOR, '[id*="fullscreen"], [id*="full-screen"]')
        if not controls:
            return 'the page may go full screen (it shows no control for it)'
        controls[0].click()
        self.wait(lambda: self.js('return document.fullscreenElement !== null'), 'full screen')
        self.shot('full-screen')
        self.js('return document.exitFullscreen()')
        self.wait(lambda: self.js('return document.fullscreenElement === null'), 'the end of full screen')
        return 'the full-screen control works'

    def credits(self):
        game = self.browser.current_window_handle
        self.browser.find_element(By.ID, 'credits-link').click()
        self.wait(lambda: len(self.browser.window_handles) == 2, 'the credits to open')
        self.browser.switch_to.window([handle for handle in self.browser.window_handles if handle != game][0])
        self.wait(lambda: self.js('return document.readyState') == 'complete', 'the credits page')
        text = self.browser.find_element(By.TAG_NAME, 'body').text
        for licence in ('MIT License', 'The Splatvane developers', 'SIL OPEN FONT LICENSE Version 1.1', 'ISC'):
            self.check(licence in text, 'the credits name ' + licence)
        self.browser.close()
        self.browser.switch_to.window(game)
        self.browser.switch_to.frame(self.browser.find_element(By.TAG_NAME, 'iframe'))


def framing_page(game_url):
    folder = tempfile.mkdtemp()
    with open(os.path.join(folder, 'index.html'), 'w') as file:
        file.write(FRAMING_PAGE.format(game=game_url, left=FRAME_LEFT, top=FRAME_TOP, width=WIDTH, height=HEIGHT))
    return folder


def main():
    root, sub_path = sys.argv[1], sys.argv[2].strip('/')
    downloads = tempfile.mkdtemp()
    game_server, game_origin = serve(root)
    framing = framing_page(game_origin + sub_path + '/index.html')
    framing_server, framing_url = serve(framing)
    framing_url = framing_url.replace('127.0.0.1', 'localhost')
    browser = start_browser(downloads)
    browser.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
        'width': FRAME_LEFT * 2 + WIDTH, 'height': FRAME_TOP + FRAME_LEFT + HEIGHT, 'deviceScaleFactor': 1,
        'mobile': False})
    try:
        walk = FramedWalk(browser, framing_url)
        walk.load()
        walk.check(walk.js('return window.top !== window'), 'the page is framed')
        walk.watch_sound()
        walk.new_career()
        walk.sound_plays()
        walk.next_match_then_reload()
        print(walk.full_screen())
        walk.export_and_import(downloads)
        walk.load()
        walk.continue_career()
        walk.shot('continued-after-import')
        walk.credits()
        errors = walk.console_errors()
        walk.check(not errors, 'console errors: %s' % errors)
    finally:
        browser.quit()
        game_server.shutdown()
        framing_server.shutdown()
        shutil.rmtree(downloads, ignore_errors=True)
        shutil.rmtree(framing, ignore_errors=True)
    print('framed walk: the page under /%s/ played framed by another site' % sub_path)


if __name__ == '__main__':
    main()
