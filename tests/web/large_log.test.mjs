// A log of more than 100 MB converts in the page, exactly as quorvel-convert
// converts it, while the page stays responsive: the work runs off the page's
// thread, shows its progress and keeps Convert disabled until it ends.
import assert from 'node:assert/strict';
import { statSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { convertThroughPage, openPage } from './browser.mjs';
import { convertNatively, haveMakeLog, makeLog, pagePath, workDir } from './native.mjs';

let session;
before(async () => {
  session = await openPage(pagePath);
});
after(async () => {
  await session.close();
});

test('a 100 MB log converts while the page stays responsive', { skip: !haveMakeLog() }, async () => {
  const { page } = session;
  const input = makeLog(join(workDir, 'large.adi'), ['--region', 'PA', '--qsos', '160000']);
  assert.ok(statSync(input).size > 100e6, 'the log is over 100 MB');

  // The page's own timer: its gaps show whether the page's thread was free.
  await page.evaluate(() => {
    window.ticks = [];
    window.ticker = setInterval(() => window.ticks.push(performance.now()), 20);
  });
  const conversion = convertThroughPage(page, { input, output: 'large-cnty.adi', region: 'Pennsylvania' });

  const convert = page.getByRole('button', { name: 'Convert' });
  await page.getByRole('progressbar', { name: 'Converting' }).waitFor();
  assert.equal(await convert.isDisabled(), true);
  await page.waitForFunction(() => document.getElementById('progress').value > 0);
  // A control works meanwhile: About opens and closes.
  await page.getByRole('button', { name: 'About' }).click();
  await page.getByRole('dialog').getByRole('button', { name: 'OK' }).click();
  const got = await conversion;
  const gaps = await page.evaluate(() => {
    clearInterval(window.ticker);
    return window.ticks.slice(1).map((t, i) => t - window.ticks[i]);
  });

  assert.ok(gaps.length > 20, `${gaps.length} ticks`);
  assert.ok(Math.max(...gaps) < 1000, `the page's thread was busy for ${Math.max(...gaps)} ms`);
  const native = convertNatively(input, 'large-cnty.adi', 'PA');
  assert.equal(got.bytes.length, native.bytes.length);
  assert.ok(got.bytes.equals(native.bytes), 'the downloaded bytes differ');
  assert.deepEqual(got.lines, native.lines);
  assert.deepEqual(session.requestsOut(), []);
  assert.deepEqual(session.problems, []);
});
