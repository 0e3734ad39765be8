// The page's side of the game's platform: the canvas, the title, the career in the site's
// storage, the downloads and the sound. The game calls these; nothing here knows the rules.
mergeInto(LibraryManager.library, {
  $Page__postset: 'Page.init();',
  $Page: {
    frame: null,       // the last picture: a canvas of its own, and where it sits
    box: null,         // the error box over it, or null
    firstPictureAt: 0,
    init: function () {
      // For the tests: whether the worklet mixes, and a tap on what it plays.
      window.splatvaneSoundStarts = [];
      window.splatvaneSound = {
        mixer: function () { return !Page.sink ? 'none' : Page.mixer ? 'page' : 'worklet'; },
        clock: function () { return Page.audio ? Page.clock() : -1; },
        // Seconds from the worklet's output to the speaker, as the browser tells them.
        latency: function () { return Page.audio ? (Page.audio.baseLatency || 0) + (Page.audio.outputLatency || 0) : 0; },
        listen: function (on) {
          window.splatvaneTap = on ? [] : null;
          if (Page.sink) Page.tell({tap: on});
        },
      };
      Layout.onChange(function () { Page.redraw(); });
      var canvas = Page.canvas();
      if (canvas) canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });
      // Browsers let a page sound only after the player's first press or touch.
      var presses = ['mousedown', 'pointerdown', 'pointerup', 'touchend', 'keydown'];
      var startSound = function () {
        Page.startAudio();
        if (Page.audio && Page.audio.state === 'suspended') Page.audio.resume();
        if (!Page.audio || Page.audio.state === 'running') {
          presses.forEach(function (kind) { window.removeEventListener(kind, startSound, true); });
        }
      };
      presses.forEach(function (kind) { window.addEventListener(kind, startSound, true); });
    },
    canvas: function () { return document.getElementById('canvas'); },
    picture: function (pixels, width, height) {
      var picture = document.createElement('canvas');
      picture.width = width;
      picture.height = height;
      var bytes = new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4);
      picture.getContext('2d').putImageData(new ImageData(new Uint8ClampedArray(bytes), width, height), 0, 0);
      return picture;
    },
    // A picture of the game's window drawn at its place: `left`, `top` in game pixels.
    // At a whole number of device pixels per game pixel each one is a sharp square; between
    // whole numbers the picture is first enlarged sharply to the next whole number and then
    // brought down smoothly, so letters keep their strokes and nothing shimmers as it moves.
    place: function (context, picture, left, top) {
      var fit = Layout.fit, area = Layout.area, ratio = window.devicePixelRatio || 1;
      var scale = fit.scale * ratio;
      var x = (fit.left - area.left + left * fit.scale) * ratio, y = (fit.top - area.top + top * fit.scale) * ratio;
      var whole = Math.round(scale);
      if (Math.abs(scale - whole) < 1e-3 && whole >= 1) {
        context.imageSmoothingEnabled = false;
        context.drawImage(picture, Math.round(x), Math.round(y), picture.width * whole, picture.height * whole);
        return;
      }
      var enlarged = Page.enlarged(picture, Math.ceil(scale));
      context.imageSmoothingEnabled = true;
      context.imageSmoothingQuality = 'high';
      context.drawImage(enlarged, x, y, picture.width * scale, picture.height * scale);
    },
    sharp: null,
    enlarged: function (picture, factor) {
      var sharp = Page.sharp || (Page.sharp = document.createElement('canvas'));
      if (sharp.width !== picture.width * factor || sharp.height !== picture.height * factor) {
        sharp.width = picture.width * factor;
        sharp.height = picture.height * factor;
      }
      var context = sharp.getContext('2d');
      context.imageSmoothingEnabled = false;
      context.drawImage(picture, 0, 0, sharp.width, sharp.height);
      return sharp;
    },
    // The canvas takes the page's area between the bands; its backing store has the screen's
    // own pixels.
    redraw: function () {
      var canvas = Page.canvas();
      if (!canvas) return;
      var ratio = window.devicePixelRatio || 1;
      var width = Math.max(1, Math.round(Layout.area.width * ratio)), height = Math.max(1, Math.round(Layout.area.height * ratio));
      if (canvas.width !== width || canvas.height !== height) {
        canvas.width = width;
        canvas.height = height;
      }
      var context = canvas.getContext('2d');
      context.fillStyle = '#ffffff';
      context.fillRect(0, 0, width, height);
      if (Page.frame) Page.place(context, Page.frame.picture, Page.frame.left, Page.frame.top);
      if (Page.box) {
        var left = Math.floor((Layout.fit.width - Page.box.width) / 2);
        var top = Math.floor((Layout.fit.height - Page.box.height) / 2);
        Page.place(context, Page.box, left, top);
      }
    },
    key: function (name) { return 'splatvane/' + UTF8ToString(name); },
    // 0, or the game's code for what the storage said: 101 full, 5 refused.
    storageError: function (error) {
      if (error && (error.name === 'QuotaExceededError' || error.code === 22)) return 101;
      return 5;
    },
    storage: function () { return window.localStorage; },
    encode: function (bytes) {
      var text = '';
      for (var i = 0; i < bytes.length; i += 8192) text += String.fromCharCode.apply(null, bytes.subarray(i, i + 8192));
      return btoa(text);
    },
    // The bytes of a stored value, or null when it is no base64 text: a damaged file.
    decode: function (text) {
      var binary;
      try {
        binary = atob(text);
      } catch (error) {
        return null;
      }
      var bytes = new Uint8Array(binary.length);
      for (var i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
      return bytes;
    },
    // A stored file's bytes, or the game's code for why there are none: 2 none, 5 refused,
    // 100 damaged (read as a file cut short, as on the desktop).
    stored: function (name) {
      var text;
      try {
        text = Page.storage().getItem(Page.key(name));
      } catch (error) {
        return {error: 5};
      }
      if (text === null) return {error: 2};
      var bytes = Page.decode(text);
      return bytes ? {bytes: bytes} : {error: 100};
    },
    // The sound: an audio worklet mixes the game's voices off the page's thread, so neither a
    // busy page nor a slow frame stops a sound. Where a browser has no worklets (an old one, or
    // a page not served over https) a script processor mixes on the page's thread instead;
    // where it has no audio at all, the game plays on in silence.
    audio: null,
    sink: null,          // the worklet's node or the script processor, once it is ready
    mixer: null,         // the script processor's voices, on the page's thread
    sounds: [],          // the game's sounds, kept until the mixer has them
    lead: 0.03,          // seconds between a request and the sample it is due at
    startAudio: function () {
      if (Page.audio) return;
      try {
        var Context = window.AudioContext || window.webkitAudioContext;
        if (!Context) return;
        var context = new Context({sampleRate: 44100});
        if (context.audioWorklet && window.AudioWorkletNode) {
          Page.startWorklet(context);
        } else {
          Page.startScriptProcessor(context);
        }
        if (context.state === 'suspended') context.resume();
        Page.audio = context;
      } catch (error) {
        Page.audio = null;
      }
    },
    startWorklet: function (context) {
      context.audioWorklet.addModule('sound_worklet.js').then(function () {
        var node = new AudioWorkletNode(context, 'splatvane-sound',
                                        {numberOfInputs: 0, numberOfOutputs: 1, outputChannelCount: [1]});
        node.port.onmessage = function (event) { Page.heard(event.data); };
        node.connect(context.destination);
        Page.sink = node;
        Page.handOverSounds();
      }).catch(function () {
        Page.startScriptProcessor(context);
      });
    },
    // A script processor plays its buffer well after it is filled, so requests go further ahead.
    startScriptProcessor: function (context) {
      Page.loadScript('sound_worklet.js').then(function () {
        var voices = new SplatvaneVoices(Page.heard);
        var processor = context.createScriptProcessor(2048, 0, 1);
        processor.onaudioprocess = function (event) {
          voices.render(event.outputBuffer.getChannelData(0), Math.round(event.playbackTime * context.sampleRate));
        };
        processor.connect(context.destination);
        Page.lead = 0.1;
        Page.mixer = voices;
        Page.sink = processor;
        Page.handOverSounds();
      }).catch(function () {});
    },
    loadScript: function (name) {
      return new Promise(function (resolve, reject) {
        var script = document.createElement('script');
        script.src = name;
        script.onload = resolve;
        script.onerror = reject;
        document.head.appendChild(script);
      });
    },
    // Each sound goes to the worklet once, moved rather than copied.
    handOverSounds: function () {
      Page.sounds.forEach(function (samples, sound) { Page.tell({sound: sound, samples: samples}); });
      Page.sounds = [];
    },
    tell: function (message) {
      if (Page.mixer) {
        Page.mixer.take(message);
      } else if (message.samples) {
        Page.sink.port.postMessage(message, [message.samples.buffer]);
      } else {
        Page.sink.port.postMessage(message);
      }
    },
    // What the mixer reports, kept for the tests: when each sound began to sound, in samples of
    // the audio clock, and the levels it played while the page listens.
    heard: function (message) {
      if (message.tap) {
        if (window.splatvaneTap) Array.prototype.push.apply(window.splatvaneTap, message.tap);
        return;
      }
      var starts = window.splatvaneSoundStarts;
      starts.push(message);
      if (starts.length > 100) starts.shift();
    },
    clock: function () {
      return Math.round(Page.audio.currentTime * Page.audio.sampleRate);
    },
  },

  web_present__deps: ['$Page'],
  web_present: function (pixels, width, height, left, top) {
    Page.frame = {picture: Page.picture(pixels, width, height), left: left, top: top};
    Page.redraw();
    if (!Page.firstPictureAt) {
      Page.firstPictureAt = performance.now();
      window.splatvaneFirstPicture = Page.firstPictureAt;
      var loading = document.getElementById('loading');
      if (loading) loading.hidden = true;
    }
  },

  web_show_box__deps: ['$Page'],
  web_show_box: function (pixels, width, height, text) {
    Page.box = pixels ? Page.picture(pixels, width, height) : null;
    var said = document.getElementById('error-text');
    if (said) said.textContent = pixels ? UTF8ToString(text) : '';
    Page.redraw();
  },

  web_set_title: function (caption) { document.title = UTF8ToString(caption); },

  web_client_width: function () { return Layout.fit.width; },
  web_client_height: function () { return Layout.fit.height; },
  // The game's window on the page: its corner in CSS pixels and the CSS pixels of a game pixel.
  web_window_left: function () { return Layout.fit.left; },
  web_window_top: function () { return Layout.fit.top; },
  web_window_scale: function () { return Layout.fit.scale; },

  web_audio_clock__deps: ['$Page'],
  web_audio_clock: function () {
    if (!Page.sink || Page.audio.state !== 'running') return -1;
    return Page.clock() + Math.round(Page.lead * Page.audio.sampleRate);
  },

  web_audio_sound__deps: ['$Page'],
  web_audio_sound: function (sound, samples, count) {
    var copy = HEAP16.slice(samples >> 1, (samples >> 1) + count);
    if (Page.sink) {
      Page.tell({sound: sound, samples: copy});
    } else {
      Page.sounds[sound] = copy;
    }
  },

  web_audio_request__deps: ['$Page'],
  web_audio_request: function (request, sound, at) {
    Page.tell({request: UTF8ToString(request), sound: sound, at: at, posted: Page.clock()});
  },

  web_audio_voices__deps: ['$Page'],
  web_audio_voices: function (voices, count, at) {
    var states = [];
    for (var i = 0; i < count; ++i) states.push([HEAP32[(voices >> 2) + 2 * i], HEAP32[(voices >> 2) + 2 * i + 1]]);
    Page.tell({voices: states, at: at});
  },

  web_storage_usable__deps: ['$Page'],
  web_storage_usable: function () {
    try {
      Page.storage().length;
      return 0;
    } catch (error) {
      return 5;
    }
  },

  // The stored file's length, or minus the game's error code: -2 none, -5 refused, -100 damaged.
  web_storage_length__deps: ['$Page'],
  web_storage_length: function (name) {
    var stored = Page.stored(name);
    return stored.bytes ? stored.bytes.length : -stored.error;
  },

  web_storage_read__deps: ['$Page'],
  web_storage_read: function (name, target, capacity) {
    var stored = Page.stored(name);
    if (!stored.bytes) return -stored.error;
    var bytes = stored.bytes.subarray(0, capacity);
    HEAPU8.set(bytes, target);
    return bytes.length;
  },

  web_storage_write__deps: ['$Page'],
  web_storage_write: function (name, bytes, length) {
    try {
      Page.storage().setItem(Page.key(name), Page.encode(HEAPU8.subarray(bytes, bytes + length)));
      return 0;
    } catch (error) {
      return Page.storageError(error);
    }
  },

  // Puts a stored file in the place of another: the new one is whole in its place before the
  // old name goes, so a refused step leaves the career that was there.
  web_storage_rename__deps: ['$Page'],
  web_storage_rename: function (from, to) {
    try {
      var storage = Page.storage();
      var text = storage.getItem(Page.key(from));
      if (text === null) return 2;
      storage.setItem(Page.key(to), text);
      storage.removeItem(Page.key(from));
      return 0;
    } catch (error) {
      return Page.storageError(error);
    }
  },

  web_storage_remove__deps: ['$Page'],
  web_storage_remove: function (name) {
    try {
      Page.storage().removeItem(Page.key(name));
    } catch (error) {
      // nothing was stored under a name the storage refuses
    }
  },

  // Keeps a stored file under a name that holds nothing yet, as it is, whether it can be read
  // or not: 0, -1 when the name is taken, or the game's error code.
  web_storage_move_to_free_name__deps: ['$Page'],
  web_storage_move_to_free_name: function (from, to) {
    try {
      var storage = Page.storage();
      var text = storage.getItem(Page.key(from));
      if (text === null) return 2;
      if (storage.getItem(Page.key(to)) !== null) return -1;
      storage.setItem(Page.key(to), text);
      storage.removeItem(Page.key(from));
      console.warn('Splatvane: ' + Page.key(from) + ' could not be read; it is kept as ' + Page.key(to));
      return 0;
    } catch (error) {
      return Page.storageError(error);
    }
  },

  web_download: function (bytes, length, name) {
    var blob = new Blob([HEAPU8.slice(bytes, bytes + length)], {type: 'application/octet-stream'});
    var link = document.createElement('a');
    link.href = URL.createObjectURL(blob);
    link.download = UTF8ToString(name);
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(function () { URL.revokeObjectURL(link.href); }, 10000);
  },

  web_show_startup_error: function (text) {
    var message = document.getElementById('startup-error');
    var loading = document.getElementById('loading');
    if (loading) loading.hidden = true;
    if (!message) return;
    message.textContent = UTF8ToString(text);
    message.hidden = false;
  },

  web_note: function (text) {
    var note = document.getElementById('career-note');
    if (note) note.textContent = UTF8ToString(text);
  },
});
