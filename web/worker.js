// The page's worker: the engine (compiled to WebAssembly, defined just before
// this script as QuorvelEngine) runs here, so the page stays responsive while
// a large log converts. The input lives in the engine's memory, in one folder;
// the converted log and the progress come from the engine through the
// module's onOutput and onProgress, as it writes and reads.
'use strict';

const folder = '/convert';
let engine = null;
let received = [];
// The converted log as the engine writes it, a piece per write: a file in
// memory would be copied whole each time it grows, and again into the
// download.
let pieces = [];

// Texts are 8-bit: UTF-8 where they are that, else the Windows code page.
const utf8 = new TextDecoder('utf-8', { fatal: true });
const cp1252 = new TextDecoder('windows-1252');
function decode(bytes) {
  try {
    return utf8.decode(bytes);
  } catch {
    return cp1252.decode(bytes);
  }
}

// The engine names each text's kind (page_engine.cpp holds the one list).
const allOf = (texts, kind) => texts.filter((t) => t.kind === kind).map((t) => t.text);
const oneOf = (texts, kind) => texts.find((t) => t.kind === kind).text;

function takeTexts() {
  const texts = received;
  received = [];
  return texts;
}

async function start(wasm) {
  engine = await QuorvelEngine({
    wasmBinary: wasm,
    onText: (kind, bytes) => received.push({ kind, text: decode(bytes), bytes }),
    onOutput: (bytes) => pieces.push(bytes),
    onProgress: (percent) => postMessage({ type: 'progress', percent }),
    print: () => {},
    printErr: () => {},
  });
  engine.FS.mkdir(folder);
  engine.FS.chdir(folder);
  engine._quorvel_page_texts();
  const texts = takeTexts();
  postMessage({
    type: 'ready',
    regions: allOf(texts, 'regionName'),
    countyLineForms: allOf(texts, 'countyLineForm'),
    about: oneOf(texts, 'about'),
    homePage: oneOf(texts, 'homePage'),
    browserError: oneOf(texts, 'browserError'),
  });
}

// A file that cannot be read is not put in the folder: the engine then
// reports that it cannot open it, after the checks that come first.
function placeInput(file, name) {
  if (!file) return;
  let bytes;
  try {
    bytes = new Uint8Array(new FileReaderSync().readAsArrayBuffer(file));
  } catch {
    return;
  }
  engine.FS.writeFile(name, bytes, { canOwn: true });
}

function withBytes(text, use) {
  const bytes = new TextEncoder().encode(text);
  const at = engine._malloc(bytes.length + 1);
  try {
    engine.HEAPU8.set(bytes, at);
    return use(at, bytes.length);
  } finally {
    engine._free(at);
  }
}

function clearFolder() {
  for (const name of engine.FS.readdir(folder)) {
    if (name !== '.' && name !== '..') engine.FS.unlink(`${folder}/${name}`);
  }
}

function convert({ file, outputName, regionItem, addMobile, countyLineItem }) {
  const inputName = file ? file.name : '';
  clearFolder();
  placeInput(file, inputName);
  pieces = [];
  const converted = withBytes(inputName, (input, inputLength) =>
    withBytes(outputName, (output, outputLength) =>
      engine._quorvel_convert(input, inputLength, output, outputLength, regionItem, addMobile,
        countyLineItem)));
  const texts = takeTexts();
  if (!converted) {
    clearFolder();
    postMessage({ type: 'refused', error: oneOf(texts, 'refusal') });
    return;
  }
  const lines = allOf(texts, 'line');
  const report = {
    lines: allOf(texts, 'reportLine'),
    // The CSV's bytes as the engine wrote them, the log's own included.
    csv: new Blob([texts.find((t) => t.kind === 'reportCsv').bytes], { type: 'text/csv' }),
    csvName: oneOf(texts, 'reportCsvName'),
  };
  // Made into a Blob here: copying 100 MB into one takes seconds, which the
  // page's thread must not spend.
  const log = new Blob(pieces, { type: 'application/octet-stream' });
  pieces = [];
  clearFolder();
  postMessage({ type: 'converted', lines, log, report });
}

function propose({ name }) {
  withBytes(name, (input, inputLength) => engine._quorvel_propose_output(input, inputLength));
  postMessage({ type: 'proposed', name, output: oneOf(takeTexts(), 'proposedOutput') });
}

onmessage = (event) => {
  const message = event.data;
  if (message.type === 'start') {
    start(message.wasm).catch((error) => postMessage({ type: 'failed', reason: String(error) }));
  } else if (message.type === 'propose' || message.type === 'convert') {
    try {
      (message.type === 'propose' ? propose : convert)(message);
    } catch (error) {
      postMessage({ type: 'failed', reason: String(error) });
    }
  }
};
