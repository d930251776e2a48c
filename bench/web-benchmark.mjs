// The web page against the native program on the same log: a generated log of
// 100,000 QSOs (by default) for PA and USCQP, converted RUNS times by
// quorvel-convert and RUNS times in the page in headless Chromium (from the
// press of Convert to the download of the converted file, in US Eastern time
// both). Prints a Markdown table of medians and the ratio.
//   node bench/web-benchmark.mjs BUILD_DIR      (a native build with its web/ page)
// Settings: RUNS=5, QSOS=100000, REGIONS="PA USCQP"; CONVERT, MAKE_LOG and
// PAGE name the programs and the page where they are not in BUILD_DIR.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { performance } from 'node:perf_hooks';
import { openPage, timeZone } from '../tests/web/browser.mjs';

const build = resolve(process.argv[2] || 'build/release');
const runs = Number(process.env.RUNS || 5);
const qsos = Number(process.env.QSOS || 100000);
const regions = (process.env.REGIONS || 'PA USCQP').split(/\s+/).filter(Boolean);
const names = { PA: 'Pennsylvania', USCQP: 'US Counties QSO Party', TX: 'Texas', MULTI: '7QP/INQP/NEQP' };
const convert = process.env.CONVERT || join(build, 'cli', 'quorvel-convert');
const makeLog = process.env.MAKE_LOG || join(build, 'bench', 'quorvel-make-log');
const page = process.env.PAGE || join(build, 'web', 'quorvel.html');

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

const work = mkdtempSync(join(tmpdir(), 'quorvel-web-bench-'));
const session = await openPage(page);
try {
  console.log(`page: ${page} (${statSync(page).size} bytes), time zone ${timeZone}, runs: ${runs}, medians`);
  console.log();
  console.log('| Region | QSOs | Log MB | native s | page s | ratio |');
  console.log('|---|---:|---:|---:|---:|---:|');
  for (const region of regions) {
    const log = join(work, 'log.adi');
    execFileSync(makeLog, ['--region', region, '--qsos', String(qsos), '--seed', '1', log]);
    const native = [];
    for (let i = 0; i < runs; ++i) {
      const start = performance.now();
      execFileSync(convert, ['--region', region, log, join(work, 'native.adi')],
        { env: { ...process.env, TZ: timeZone }, maxBuffer: 1 << 30 });
      native.push((performance.now() - start) / 1000);
    }
    const expected = readFileSync(join(work, 'native.adi'));

    const { page: tab } = session;
    await tab.getByLabel('Input').setInputFiles(log);
    await tab.getByLabel('Output').fill('page.adi');
    await tab.getByLabel('State').selectOption({ label: names[region] || region });
    const inPage = [];
    for (let i = 0; i < runs; ++i) {
      const download = tab.waitForEvent('download', { timeout: 600000 });
      const start = performance.now();
      await tab.getByRole('button', { name: 'Convert' }).click();
      const file = await download;
      inPage.push((performance.now() - start) / 1000);
      if (i === 0 && !readFileSync(await file.path()).equals(expected)) {
        throw new Error(`${region}: the page's output differs from quorvel-convert's`);
      }
      await tab.getByRole('button', { name: 'Convert' }).and(tab.locator(':enabled')).waitFor();
    }
    const mb = statSync(log).size / 1e6;
    const n = median(native);
    const p = median(inPage);
    console.log(`| ${region} | ${qsos} | ${mb.toFixed(0)} | ${n.toFixed(3)} | ${p.toFixed(3)} | ${(p / n).toFixed(2)} |`);
  }
} finally {
  await session.close();
  rmSync(work, { recursive: true, force: true });
}
