// The page's worker: the engine (compiled to WebAssembly, defined just before
// this script as QuorvelEngine) runs here, so the page stays responsive while
// a large log converts. The engine pulls the input from the user's file a
// block at a time (the module's onRead), reports the progress as it reads
// (onProgress) and hands over the converted log when it closes it (onOutput).
// Its folder in memory holds only the files' names.
'use strict';

const folder = '/convert';
let engine = null;
let received = [];

// The log being converted, read a block at a time: each read of the file
// costs a round trip to the browser (blocks of a megabyte took seven times as
// long as blocks of 32), and a whole log in memory costs as much memory as
// the log. The engine reads in order, and again from the start when it reads
// a log twice.
const inputBlock = 32 << 20;
let input = null;

function readInput(size, position) {
  if (!input) return null;
  const { file, block, start } = input;
  if (position >= file.size) return new Uint8Array(0);
  if (position < start || position >= start + block.length) {
    try {
      input.block = new Uint8Array(new FileReaderSync().readAsArrayBuffer(
        file.slice(position, Math.min(file.size, position + inputBlock))));
    } catch {
      return null;
    }
    input.start = position;
    if (input.block.length === 0) return null;
  }
  const from = position - input.start;
  return input.block.subarray(from, Math.min(input.block.length, from + size));
}

// The converted log, made into a Blob from the engine's pieces while they
// are there: a Blob made here spares the page's thread the copy.
let output = null;
function takeOutput(pieces) {
  output = new Blob(pieces, { type: 'application/octet-stream' });
}

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
    onOutput: takeOutput,
    onRead: readInput,
    inputSize: () => (input ? input.file.size : 0),
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
// reports that it cannot open it, after the checks that come first. The
// folder's file is empty: the engine reads the bytes through readInput. A
// file deleted since it was chosen has size 0 here, and a part of it reads as
// no bytes, where the whole file fails: a file of one block is read whole.
function placeInput(file, name) {
  input = null;
  if (!file) return;
  const wanted = Math.min(file.size, inputBlock);
  let block;
  try {
    const reader = new FileReaderSync();
    block = new Uint8Array(reader.readAsArrayBuffer(
      file.size <= inputBlock ? file : file.slice(0, wanted)));
  } catch {
    return;
  }
  if (block.length !== wanted) return;
  input = { file, block, start: 0 };
  engine.FS.writeFile(name, new Uint8Array(0));
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
  output = null;
  const converted = withBytes(inputName, (input, inputLength) =>
    withBytes(outputName, (output, outputLength) =>
      engine._quorvel_convert(input, inputLength, output, outputLength, regionItem, addMobile,
        countyLineItem)));
  input = null;
  const texts = takeTexts();
  if (!converted) {
    output = null;
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
  // An empty log is never written to, so has no pieces.
  const log = output || new Blob([], { type: 'application/octet-stream' });
  output = null;
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
