// Loads the game's files into the module's folder before the game starts, shows how much has
// arrived, keeps the page for offline play, and wires the page's career controls to it.

// Every file the page loads is counted, so that its weight can be measured.
if (performance.setResourceTimingBufferSize) performance.setResourceTimingBufferSize(2000);

var Module = {
  preRun: [function () {
    addRunDependency('game-files');
    gameFiles.then(function (files) {
      files.forEach(function (file) {
        if (!file.bytes) return;
        var path = '/game/' + file.name;
        FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
        FS.writeFile(path, new Uint8Array(file.bytes));
      });
      window.splatvaneFilesLoaded = performance.now();
      removeRunDependency('game-files');
      if (files.length) keepForOffline();
    });
  }],
  // The module's own download counts on the progress bar too.
  instantiateWasm: function (imports, receive) {
    fetchBytes(packed('splatvane.wasm'), 'module').then(function (bytes) {
      return WebAssembly.instantiate(bytes, imports);
    }).then(function (result) {
      receive(result.instance, result.module);
    }).catch(function (error) {
      showStartupError('Splatvane cannot start: ' + error.message);
    });
    return {};
  },
  print: function (text) { console.log(text); },
  printErr: function (text) { console.warn(text); },
  onAbort: function (reason) { showStartupError('Splatvane cannot start: ' + reason); },
};

function showStartupError(text) {
  var message = document.getElementById('startup-error');
  document.getElementById('loading').hidden = true;
  message.textContent = text;
  message.hidden = false;
}

// How much of each download has arrived, against its whole size once the server has told it.
var arrival = {};

function showArrival() {
  var arrived = 0, whole = 0;
  Object.keys(arrival).forEach(function (name) {
    arrived += arrival[name].arrived;
    whole += arrival[name].whole;
  });
  var bar = document.getElementById('loading-bar');
  if (bar && whole > 0) bar.value = Math.min(1, arrived / whole);
}

// The module and the packed files also lie compressed beside themselves; a browser that can
// unpack a download as it arrives takes those (the page's head has begun fetching them), the
// rest take the files as they are.
var compressed = typeof pageUnpacks !== 'undefined' && pageUnpacks;

// Reads a download as it arrives, telling the bar how far it has come and, if asked, the
// bytes unpacked so far.
function readCounted(response, part, arrived) {
  var whole = Number(response.headers.get('Content-Length')) || 0;
  arrival[part] = {arrived: 0, whole: whole};
  if (!response.body || !response.body.getReader || typeof TransformStream !== 'function') {
    return response.arrayBuffer();
  }
  var body = response.body.pipeThrough(new TransformStream({
    transform: function (chunk, controller) {
      arrival[part].arrived += chunk.length;
      showArrival();
      controller.enqueue(chunk);
    },
  }));
  // A server that says it sent the file compressed has had the browser unpack it already.
  if (compressed && /\.gz$/.test(response.url) && !response.headers.get('Content-Encoding')) {
    body = body.pipeThrough(new DecompressionStream('gzip'));
  }
  var reader = body.getReader(), bytes = new Uint8Array(Math.max(whole, 65536)), length = 0;
  function next() {
    return reader.read().then(function (step) {
      if (step.done) return bytes.buffer.slice(0, length);
      if (length + step.value.length > bytes.length) {
        var larger = new Uint8Array(Math.max(bytes.length * 2, length + step.value.length));
        larger.set(bytes.subarray(0, length));
        bytes = larger;
      }
      bytes.set(step.value, length);
      length += step.value.length;
      if (arrived) arrived(bytes, length);
      return next();
    });
  }
  return next();
}

function fetchBytes(name, part, arrived) {
  return fetch(name).then(function (response) {
    if (!response.ok) throw new Error(name + ': ' + response.status + ' ' + response.statusText);
    return part ? readCounted(response, part, arrived) : response.arrayBuffer();
  });
}

function packed(name) { return compressed ? name + '.gz' : name; }

// The game's files, fetched in one piece while the module loads and cut apart by the index.
// A file the index lacks stays missing, and the game's start-up tells which.
var gameFiles = fetchGameFiles();

// The sounds lead the pack, so the browser decodes each as soon as it has arrived, while the
// pictures still come.
function fetchGameFiles() {
  var index = null, sounds = {}, next = 0;
  var decodeArrived = function (bytes, length) {
    for (; index && next < index.length && index[next].offset + index[next].size <= length; ++next) {
      var entry = index[next];
      if (entry.sound) {
        sounds[entry.name] = decodeSound(entry.name, bytes.slice(entry.offset, entry.offset + entry.size).buffer,
                                         entry.sound);
      }
    }
  };
  var indexRead = fetchBytes('game-files.json').then(function (bytes) {
    index = JSON.parse(new TextDecoder().decode(bytes));
    return index;
  });
  return Promise.all([indexRead, fetchBytes(packed('game-files.pack'), 'files', decodeArrived)]).then(function (both) {
    decodeArrived(new Uint8Array(both[1]), both[1].byteLength);
    return Promise.all(index.map(function (entry) {
      if (!entry.sound) return {name: entry.name, bytes: both[1].slice(entry.offset, entry.offset + entry.size)};
      return sounds[entry.name].then(function (wave) { return {name: entry.name, bytes: wave}; });
    }));
  }).catch(function (error) {
    showStartupError('Splatvane cannot start: ' + error.message);
    return [];
  });
}

// What the browser made of each sound, for the tests: its length as decoded and where the
// sound began in it.
window.splatvaneSounds = {};

// The browser decodes a compressed sound; the game gets it back as the wave it was made from,
// its length to the sample. Where the browser has no audio at all the game gets silence of
// the same length and plays on without sound.
function decodeSound(name, bytes, sound) {
  var Offline = window.OfflineAudioContext || window.webkitOfflineAudioContext;
  var decoded = new Promise(function (resolve, reject) {
    if (!Offline) return reject(new Error('no audio'));
    new Offline(1, 1, sound.rate).decodeAudioData(bytes, resolve, reject);
  });
  return decoded.then(function (buffer) {
    var samples = buffer.getChannelData(0);
    // A browser that keeps the samples leading in before the sound has them all; the silence
    // after the sound is there so that one that drops a few at the end loses none of it.
    var from = samples.length >= sound.frames + sound.tail + sound.lead / 2 ? sound.lead : 0;
    window.splatvaneSounds[name] = {decoded: samples.length, from: from, tail: sound.tail};
    return waveFile(samples.subarray(from, from + sound.frames), sound.frames, sound.rate);
  }, function () {
    return waveFile(new Float32Array(0), sound.frames, sound.rate);
  });
}

// A 16-bit mono wave file of the given length: the samples, then silence if they end early.
function waveFile(samples, frames, rate) {
  var file = new DataView(new ArrayBuffer(44 + frames * 2));
  var text = function (at, word) {
    for (var i = 0; i < word.length; ++i) file.setUint8(at + i, word.charCodeAt(i));
  };
  text(0, 'RIFF');
  file.setUint32(4, 36 + frames * 2, true);
  text(8, 'WAVEfmt ');
  file.setUint32(16, 16, true);
  file.setUint16(20, 1, true);
  file.setUint16(22, 1, true);
  file.setUint32(24, rate, true);
  file.setUint32(28, rate * 2, true);
  file.setUint16(32, 2, true);
  file.setUint16(34, 16, true);
  text(36, 'data');
  file.setUint32(40, frames * 2, true);
  for (var i = 0; i < samples.length; ++i) {
    file.setInt16(44 + i * 2, Math.max(-32768, Math.min(32767, Math.round(samples[i] * 32768))), true);
  }
  return file.buffer;
}

// Once the game runs, the page keeps this version's files for offline play, and asks that the
// site's storage, where the career is too, be kept.
function keepForOffline() {
  if (navigator.serviceWorker) {
    navigator.serviceWorker.register('service-worker.js', {updateViaCache: 'none'}).catch(function (error) {
      console.log('Splatvane plays online only here: ' + error.message);
    });
  }
  if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(function () {});
}

function importCareer(file) {
  // A file of any other size is no career: it is refused at once, however large, unread.
  if (file.size !== Module._splatvane_career_file_size()) {
    Module._splatvane_import_career(0, Math.min(file.size, 0x7fffffff));
    return;
  }
  var reader = new FileReader();
  reader.onload = function () {
    var bytes = new Uint8Array(reader.result);
    var place = Module._malloc(Math.max(1, bytes.length));
    HEAPU8.set(bytes, place);
    Module._splatvane_import_career(place, bytes.length);
    Module._free(place);
  };
  reader.onerror = function () { Module._splatvane_import_career(0, -1); };
  reader.readAsArrayBuffer(file);
}

// Keys pressed on the career controls are theirs, not the game's.
document.getElementById('career').addEventListener('keydown', function (event) { event.stopPropagation(); });
document.getElementById('export-career').addEventListener('click', function (event) {
  event.currentTarget.blur();
  if (Module._splatvane_export_career) Module._splatvane_export_career();
});
document.getElementById('import-career').addEventListener('click', function (event) {
  event.currentTarget.blur();
  document.getElementById('import-file').click();
});
document.getElementById('import-file').addEventListener('change', function (event) {
  var file = event.target.files[0];
  event.target.value = '';
  if (file && Module._splatvane_import_career) importCareer(file);
});
