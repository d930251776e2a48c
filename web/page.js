// The page: the dialog's controls in a web form. The engine runs in a worker
// made from the page's own text, so the page needs no file beside it and
// makes no request.
'use strict';

const element = (id) => document.getElementById(id);
const form = element('dialog');
const fileInput = element('input-file');
const outputField = element('output-name');
const regionList = element('region');
const addMobile = element('add-mobile');
const countyLineList = element('county-lines');
const convertButton = element('convert');
const progress = element('progress');
const messages = element('messages');
const messageBox = element('message-box');
const counties = element('counties');
const countyReport = element('county-report');

// What the page says when its worker stops (out of memory, say): the engine
// cannot say it then.
const engineFailure = 'ERROR: The conversion stopped in this browser.';

let texts = null;
let worker = null;
let workerReady = false;
let busy = true;
let downloadAddress = null;
let countyCsv = null;
// The input file whose output name the engine is proposing, and whether
// "Convert" was pressed meanwhile: the conversion then waits for the name.
let proposing = null;
let convertWhenProposed = false;

function engineWasm() {
  const text = atob(element('engine-wasm').textContent.trim());
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes;
}

function startWorker() {
  const source = element('worker-source').textContent;
  const address = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
  worker = new Worker(address);
  workerReady = false;
  URL.revokeObjectURL(address);
  worker.onmessage = (event) => onWorkerMessage(event.data);
  worker.onerror = (event) => {
    event.preventDefault();
    onWorkerFailure();
  };
  const wasm = engineWasm();
  worker.postMessage({ type: 'start', wasm }, [wasm.buffer]);
}

function setBusy(working) {
  busy = working;
  convertButton.disabled = working;
  form.setAttribute('aria-busy', working ? 'true' : 'false');
  progress.hidden = !working;
  if (working) progress.removeAttribute('value');
}

function onWorkerMessage(message) {
  switch (message.type) {
    case 'ready':
      if (!texts) fillLists(message.regions, message.countyLineForms);
      texts = message;
      workerReady = true;
      setBusy(false);
      onFileChosen();
      break;
    case 'proposed':
      onOutputProposed(message);
      break;
    case 'progress':
      progress.max = 100;
      progress.value = message.percent;
      break;
    case 'refused':
      setBusy(false);
      showMessage(message.error, true);
      break;
    case 'converted':
      showCounties(message.report);
      showListing(message.lines, () => {
        setBusy(false);
        download(message.log, outputField.value);
      });
      break;
    default:
      onWorkerFailure();
  }
}

// A worker that failed (out of memory, say) is replaced; the listing stays.
// One that never started (a browser without WebAssembly) is not tried again.
function onWorkerFailure() {
  worker.terminate();
  proposing = null;
  convertWhenProposed = false;
  setBusy(true);
  if (workerReady) startWorker();
  showMessage(engineFailure, true);
}

function fillLists(regions, countyLineForms) {
  for (const name of regions) regionList.add(new Option(name));
  regionList.selectedIndex = -1;
  // The engine's first form is its default.
  for (const name of countyLineForms) countyLineList.add(new Option(name));
  countyLineList.selectedIndex = 0;
}

// A long listing is built a few parts at a time, between which the page
// answers, and laid out in parts of a few hundred lines, of which the browser
// lays out only those in view: 10,000 lines in one block would hold the page
// for seconds. done runs when the list shows all of it.
const listingPart = 250;
const partsAtOnce = 4;

function showListing(lines, done) {
  const parts = document.createDocumentFragment();
  const build = (start) => {
    const stop = Math.min(lines.length, start + listingPart * partsAtOnce);
    for (let first = start; first < stop; first += listingPart) {
      const part = document.createElement('div');
      part.className = 'part';
      part.setAttribute('role', 'none');
      for (const line of lines.slice(first, Math.min(stop, first + listingPart))) {
        const item = document.createElement('li');
        item.textContent = line;
        part.append(item);
      }
      parts.append(part);
    }
    if (stop < lines.length) {
      setTimeout(() => build(stop), 0);
    } else {
      messages.replaceChildren(parts);
      done();
    }
  };
  build(0);
}

// The engine's county report, as it wrote it: a list item per line.
function showCounties(report) {
  countyCsv = report;
  countyReport.replaceChildren(
    ...report.lines.map((line) => {
      const item = document.createElement('li');
      item.textContent = line;
      return item;
    }),
  );
  counties.hidden = false;
}

function download(log, name) {
  if (downloadAddress) URL.revokeObjectURL(downloadAddress);
  downloadAddress = URL.createObjectURL(log);
  const link = document.createElement('a');
  link.href = downloadAddress;
  link.download = name;
  link.hidden = true;
  document.body.append(link);
  link.click();
  link.remove();
}

// As the dialog's message boxes: modal, one OK button; errors as alerts.
function showMessage(text, isError) {
  element('message-text').textContent = text;
  messageBox.setAttribute('role', isError ? 'alertdialog' : 'dialog');
  messageBox.showModal();
  element('message-ok').focus();
}

// The engine names the output after the input; a name the user typed stays.
// The file control itself shows the chosen name.
function onFileChosen() {
  const file = fileInput.files[0];
  if (!file || outputField.value !== '' || !workerReady) return;
  proposing = file.name;
  worker.postMessage({ type: 'propose', name: file.name });
}

function onOutputProposed({ name, output }) {
  const file = fileInput.files[0];
  if (file && file.name === name && outputField.value === '') outputField.value = output;
  proposing = null;
  if (convertWhenProposed) {
    convertWhenProposed = false;
    convert();
  }
}

function convert() {
  if (busy) return;
  if (proposing !== null) {
    convertWhenProposed = true;
    return;
  }
  setBusy(true);
  worker.postMessage({
    type: 'convert',
    file: fileInput.files[0] || null,
    outputName: outputField.value,
    regionItem: regionList.selectedIndex,
    addMobile: addMobile.checked ? 1 : 0,
    countyLineItem: countyLineList.selectedIndex,
  });
}

function openHomePage() {
  if (!texts) return;
  const tab = window.open(texts.homePage, '_blank');
  if (tab) {
    tab.opener = null;
  } else {
    showMessage(texts.browserError, true);
  }
}

const carriesFiles = (event) => event.dataTransfer && event.dataTransfer.types.includes('Files');

document.addEventListener('dragover', (event) => {
  if (!carriesFiles(event)) return;
  event.preventDefault();
  event.dataTransfer.dropEffect = 'copy';
});
document.addEventListener('drop', (event) => {
  if (!carriesFiles(event)) return;
  event.preventDefault();
  const [file] = event.dataTransfer.files;
  if (!file) return;
  const chosen = new DataTransfer();
  chosen.items.add(file);
  fileInput.files = chosen.files;
  onFileChosen();
});

fileInput.addEventListener('change', onFileChosen);
form.addEventListener('submit', (event) => {
  event.preventDefault();
  convert();
});
element('help').addEventListener('click', openHomePage);
element('about').addEventListener('click', () => texts && showMessage(texts.about, false));
element('message-ok').addEventListener('click', () => messageBox.close());
element('county-csv').addEventListener('click', () => countyCsv && download(countyCsv.csv, countyCsv.csvName));

setBusy(true);
startWorker();
