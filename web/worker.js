// The page's worker: the engine (compiled to WebAssembly, defined just before
// this script as QuorvelEngine) runs here, so the page stays responsive while
// a large log converts. Files live only in the engine's memory, in one folder.
'use strict';

const PageText = { regionName: 0, about: 1, homePage: 2, browserError: 3, refusal: 4, line: 5 };
const folder = '/convert';
let engine = null;
let received = [];

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

function takeTexts() {
  const texts = received;
  received = [];
  return texts;
}

async function start(wasm) {
  engine = await QuorvelEngine({
    wasmBinary: wasm,
    onText: (kind, bytes) => received.push({ kind, text: decode(bytes) }),
    print: () => {},
    printErr: () => {},
  });
  engine.FS.mkdir(folder);
  engine.FS.chdir(folder);
  engine._quorvel_page_texts();
  const texts = takeTexts();
  const one = (kind) => texts.find((t) => t.kind === kind).text;
  postMessage({
    type: 'ready',
    regions: texts.filter((t) => t.kind === PageText.regionName).map((t) => t.text),
    about: one(PageText.about),
    homePage: one(PageText.homePage),
    browserError: one(PageText.browserError),
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
  reportProgressOf(name, bytes.length);
}

// The engine reads the input from start to end: its read position is the
// progress, reported at most once a percent.
function reportProgressOf(name, size) {
  const node = engine.FS.lookupPath(name).node;
  const base = node.stream_ops;
  let reported = -1;
  node.stream_ops = Object.assign({}, base, {
    read(stream, buffer, offset, length, position) {
      const count = base.read(stream, buffer, offset, length, position);
      const percent = size ? Math.floor(((position + count) * 100) / size) : 100;
      if (percent > reported) {
        reported = percent;
        postMessage({ type: 'progress', percent });
      }
      return count;
    },
  });
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

// The converted log is kept as the engine writes it, a piece per write: a
// file in memory would be copied whole each time it grows, and again into the
// download. Only a name that the engine can create is prepared so; the engine
// checks every name itself.
function captureOutput(name, inputName) {
  if (name === '' || name === inputName || name.includes('/') || name.includes('\0')) return null;
  try {
    engine.FS.writeFile(name, new Uint8Array(0));
  } catch {
    return null;
  }
  const pieces = [];
  let size = 0;
  const node = engine.FS.lookupPath(name).node;
  node.stream_ops = Object.assign({}, node.stream_ops, {
    write(stream, buffer, offset, length, position) {
      // The engine writes from start to end; anything else would be lost here.
      if (position !== size) throw new Error(`a write at ${position} of ${size} bytes`);
      pieces.push(buffer.slice(offset, offset + length));
      size += length;
      return length;
    },
  });
  return pieces;
}

function convert({ file, outputName, regionItem, addMobile }) {
  const inputName = file ? file.name : '';
  clearFolder();
  placeInput(file, inputName);
  const pieces = captureOutput(outputName, inputName);
  const converted = withBytes(inputName, (input, inputLength) =>
    withBytes(outputName, (output, outputLength) =>
      engine._quorvel_convert(input, inputLength, output, outputLength, regionItem, addMobile)));
  const texts = takeTexts();
  if (!converted) {
    clearFolder();
    postMessage({ type: 'refused', error: texts.find((t) => t.kind === PageText.refusal).text });
    return;
  }
  const lines = texts.filter((t) => t.kind === PageText.line).map((t) => t.text);
  // Made into a Blob here: copying 100 MB into one takes seconds, which the
  // page's thread must not spend.
  const log = new Blob(pieces || [engine.FS.readFile(outputName)], { type: 'application/octet-stream' });
  clearFolder();
  postMessage({ type: 'converted', lines, log });
}

onmessage = (event) => {
  const message = event.data;
  if (message.type === 'start') {
    start(message.wasm).catch((error) => postMessage({ type: 'failed', reason: String(error) }));
  } else if (message.type === 'convert') {
    try {
      convert(message);
    } catch (error) {
      postMessage({ type: 'failed', reason: String(error) });
    }
  }
};
