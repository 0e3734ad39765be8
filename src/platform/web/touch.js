// The page's touch: the fingers on the picture and the two pads go to the game, which makes
// them its mouse (touch_pointer.h); the browser never scrolls, zooms or selects under them.
// And the full-screen control beside the picture.
(function () {
  var root = document.documentElement;

  function fullScreenElement() { return document.fullscreenElement || document.webkitFullscreenElement || null; }
  function canGoFullScreen() { return Boolean(root.requestFullscreen || root.webkitRequestFullscreen); }

  // Held sideways where the browser allows it; where it does not (most phones outside full
  // screen, iPhones always) the picture fits either way up.
  function keepSideways() {
    if (!screen.orientation || !screen.orientation.lock || !document.body.classList.contains('touch')) return;
    screen.orientation.lock('landscape').catch(function () {});
  }

  function toggleFullScreen() {
    if (fullScreenElement()) {
      (document.exitFullscreen || document.webkitExitFullscreen).call(document);
      return;
    }
    var asked = (root.requestFullscreen || root.webkitRequestFullscreen).call(root);
    if (asked && asked.then) asked.then(keepSideways, function () {});
  }

  function showFullScreenState() {
    var button = document.getElementById('full-screen');
    button.textContent = fullScreenElement() ? 'Leave full screen' : 'Full screen';
  }

  // Every finger on the canvas goes to the game with its own number, in the page's CSS pixels.
  function passFingers(canvas) {
    var phases = {touchstart: 0, touchmove: 1, touchend: 2, touchcancel: 3};
    Object.keys(phases).forEach(function (kind) {
      canvas.addEventListener(kind, function (event) {
        event.preventDefault();
        if (!window.Module || !Module._splatvane_finger) return;
        Array.prototype.forEach.call(event.changedTouches, function (touch) {
          Module._splatvane_finger(phases[kind], touch.identifier, touch.clientX, touch.clientY);
        });
      }, {passive: false});
    });
  }

  // A pad is held while any finger is on it; two thumbs on two pads are two buttons held.
  function passPad(pad, button) {
    var fingers = 0;
    var press = function (down) {
      pad.classList.toggle('held', down);
      if (window.Module && Module._splatvane_pad) Module._splatvane_pad(button, down ? 1 : 0);
    };
    pad.addEventListener('touchstart', function (event) {
      event.preventDefault();
      if (fingers === 0) press(true);
      fingers += event.changedTouches.length;
    }, {passive: false});
    var lift = function (event) {
      event.preventDefault();
      if (fingers === 0) return;
      fingers = Math.max(0, fingers - event.changedTouches.length);
      if (fingers === 0) press(false);
    };
    pad.addEventListener('touchend', lift, {passive: false});
    pad.addEventListener('touchcancel', lift, {passive: false});
  }

  function init() {
    var full = document.getElementById('full-screen');
    full.hidden = !canGoFullScreen();
    full.addEventListener('click', function (event) {
      event.currentTarget.blur();
      toggleFullScreen();
    });
    document.addEventListener('fullscreenchange', showFullScreenState);
    document.addEventListener('webkitfullscreenchange', showFullScreenState);

    passFingers(document.getElementById('canvas'));
    passPad(document.getElementById('pad-left'), 0);
    passPad(document.getElementById('pad-right'), 2);

    // No scrolling, zooming, pull-to-refresh or long-press menu under a finger on the picture
    // or the pads; the buttons keep their taps.
    ['canvas', 'band-start', 'band-end'].forEach(function (id) {
      document.getElementById(id).addEventListener('touchmove', function (event) { event.preventDefault(); },
                                                   {passive: false});
    });
    document.addEventListener('contextmenu', function (event) {
      if (!event.target.closest('button, input, textarea, a')) event.preventDefault();
    });
  }

  // The page loads this after its elements.
  init();
})();
