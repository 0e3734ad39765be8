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

// Every file of game-files.json, fetched side by side while the module loads; one that is
// missing stays missing, and the game's start-up tells which.
var gameFiles = fetchGameFiles();

function fetchGameFiles() {
  return fetch('game-files.json').then(function (response) {
    if (!response.ok) throw new Error('game-files.json: ' + response.status);
    return response.json();
  }).then(function (names) {
    return Promise.all(names.map(function (name) {
      return fetch(name).then(function (response) {
        return response.ok ? response.arrayBuffer() : null;
      }).then(function (bytes) {
        return {name: name, bytes: bytes};
      }, function () {
        return {name: name, bytes: null};
      });
    }));
  }).catch(function (error) {
    showStartupError('Splatvane cannot start: ' + error.message);
    return [];
  });
}

function importCareer(file) {
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
