// Loads the game's files into the module's folder before the game starts, and wires the
// page's career controls to it.

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
    });
  }],
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

// The game's files, fetched in one piece while the module loads and cut apart by the index.
// A file the index lacks stays missing, and the game's start-up tells which.
var gameFiles = fetchGameFiles();

function fetchBytes(name) {
  return fetch(name).then(function (response) {
    if (!response.ok) throw new Error(name + ': ' + response.status + ' ' + response.statusText);
    return response.arrayBuffer();
  });
}

function fetchGameFiles() {
  var index = fetchBytes('game-files.json').then(function (bytes) {
    return JSON.parse(new TextDecoder().decode(bytes));
  });
  return Promise.all([index, fetchBytes('game-files.pack')]).then(function (both) {
    return both[0].map(function (entry) {
      return {name: entry.name, bytes: both[1].slice(entry.offset, entry.offset + entry.size)};
    });
  }).catch(function (error) {
    showStartupError('Splatvane cannot start: ' + error.message);
    return [];
  });
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
