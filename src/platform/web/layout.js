// Where everything stands on the page. The 800 x 600 picture is as large as the page allows,
// its shape kept, centred; the page's own controls and the touch pads live in two bands beside
// it (left and right, or above and below, whichever leaves the picture larger), so that nothing
// of the page ever lies over the picture.
var Layout = (function () {
  var PICTURE_WIDTH = 800, PICTURE_HEIGHT = 600;
  // The least a band takes: room for a button's words, or for a thumb on a pad.
  var BAND = 88;

  var layout = {
    // The game's window on the page: its corner in CSS pixels, how large one game pixel is, and
    // its size in game pixels.
    fit: {left: 0, top: 0, scale: 1, width: PICTURE_WIDTH, height: PICTURE_HEIGHT},
    // The canvas's place on the page, in CSS pixels.
    area: {left: 0, top: 0, width: PICTURE_WIDTH, height: PICTURE_HEIGHT},
    across: true,
    listeners: [],
  };

  function scaleFitting(width, height) {
    return Math.max(Math.min(width / PICTURE_WIDTH, height / PICTURE_HEIGHT), 0.01);
  }

  function viewport() {
    return {width: Math.max(1, window.innerWidth), height: Math.max(1, window.innerHeight)};
  }

  function place(element, left, top, width, height) {
    if (!element) return;
    element.style.left = left + 'px';
    element.style.top = top + 'px';
    element.style.width = Math.max(0, width) + 'px';
    element.style.height = Math.max(0, height) + 'px';
  }

  // The bands go on the sides that leave the picture the larger; each band reaches from the
  // page's edge to the picture's, and the canvas takes the rest.
  layout.arrange = function () {
    var page = viewport();
    var touch = document.body.classList.contains('touch');
    // The browser tells of many changes that move nothing: the picture is drawn again only
    // when its place did change.
    var seen = [page.width, page.height, window.devicePixelRatio, touch].join();
    if (seen === layout.seen) return;
    layout.seen = seen;
    var acrossScale = scaleFitting(page.width - 2 * BAND, page.height);
    var uprightScale = scaleFitting(page.width, page.height - 2 * BAND);
    layout.across = acrossScale >= uprightScale;
    var scale = layout.across ? acrossScale : uprightScale;
    var band;
    if (layout.across) {
      band = Math.max(BAND, (page.width - PICTURE_WIDTH * scale) / 2);
      layout.area = {left: band, top: 0, width: page.width - 2 * band, height: page.height};
    } else {
      band = Math.max(BAND, (page.height - PICTURE_HEIGHT * scale) / 2);
      layout.area = {left: 0, top: band, width: page.width, height: page.height - 2 * band};
    }
    var area = layout.area;
    var width = Math.max(1, Math.floor(area.width / scale + 1e-6));
    var height = Math.max(1, Math.floor(area.height / scale + 1e-6));
    layout.fit = {left: area.left + (area.width - width * scale) / 2, top: area.top + (area.height - height * scale) / 2,
                  scale: scale, width: width, height: height};

    document.body.classList.toggle('across', layout.across);
    document.body.classList.toggle('upright', !layout.across);
    place(document.getElementById('canvas'), area.left, area.top, area.width, area.height);
    if (layout.across) {
      place(document.getElementById('band-start'), 0, 0, band, page.height);
      place(document.getElementById('band-end'), page.width - band, 0, band, page.height);
    } else {
      place(document.getElementById('band-start'), 0, 0, page.width, band);
      place(document.getElementById('band-end'), 0, page.height - band, page.width, band);
    }
    window.splatvaneLayout = {fit: layout.fit, area: area, across: layout.across};
    layout.listeners.forEach(function (listener) { listener(); });
  };

  layout.onChange = function (listener) { layout.listeners.push(listener); };

  // Touch brings the pads and the keyboard button; a mouse alone needs neither.
  layout.setTouch = function (touch) {
    if (document.body.classList.contains('touch') === touch) return;
    document.body.classList.toggle('touch', touch);
    layout.arrange();
  };

  function init() {
    // The career controls, wherever the page writes them, stand in the band at the end.
    var career = document.getElementById('career');
    if (career) {
      career.classList.add('controls');
      document.getElementById('band-end').appendChild(career);
    }
    var coarse = window.matchMedia && window.matchMedia('(pointer: coarse)').matches;
    document.body.classList.toggle('touch', Boolean(coarse || navigator.maxTouchPoints > 0));
    window.addEventListener('touchstart', function () { layout.setTouch(true); }, {capture: true, passive: true});
    var again = function () { layout.arrange(); };
    window.addEventListener('resize', again);
    window.addEventListener('orientationchange', again);
    document.addEventListener('fullscreenchange', again);
    document.addEventListener('webkitfullscreenchange', again);
    if (window.visualViewport) window.visualViewport.addEventListener('resize', again);
    layout.arrange();
  }

  // The page loads this after its elements.
  init();
  return layout;
})();
