// Puts the page together as one file: the HTML with the page's script, the
// worker's script after the engine's JavaScript, and the engine's WebAssembly
// in base64.
//   node make_page.mjs PAGE.html PAGE.js WORKER.js ENGINE.js ENGINE.wasm OUT.html
import { readFileSync, writeFileSync } from 'node:fs';

const [template, pageScript, workerScript, engineScript, engineWasm, out] = process.argv.slice(2);
if (!out) {
  console.error('usage: node make_page.mjs PAGE.html PAGE.js WORKER.js ENGINE.js ENGINE.wasm OUT.html');
  process.exit(2);
}

// Script text ends at "</script"; "<!--" can change how it is parsed.
function inline(name, text) {
  if (/<\/script|<!--/i.test(text)) {
    console.error(`make_page: ${name} holds "</script" or "<!--" and cannot be inlined`);
    process.exit(1);
  }
  return text;
}

const parts = {
  '@ENGINE_WASM@': readFileSync(engineWasm).toString('base64').replace(/.{1,100}/g, '$&\n'),
  '@WORKER_SCRIPT@': inline(engineScript, readFileSync(engineScript, 'utf8')) + '\n' +
    inline(workerScript, readFileSync(workerScript, 'utf8')),
  '@PAGE_SCRIPT@': inline(pageScript, readFileSync(pageScript, 'utf8')),
};
let page = readFileSync(template, 'utf8');
for (const [mark, text] of Object.entries(parts)) {
  if (!page.includes(mark)) {
    console.error(`make_page: ${template} lacks ${mark}`);
    process.exit(1);
  }
  page = page.replace(mark, () => text);
}

// One file to keep or put on any web space: it must stay small.
const limit = 2 * 1024 * 1024;
if (Buffer.byteLength(page) > limit) {
  console.error(`make_page: the page has ${Buffer.byteLength(page)} bytes, more than ${limit}`);
  process.exit(1);
}
writeFileSync(out, page);
