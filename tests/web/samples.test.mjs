// Every bundled sample, and a log whose contests cross the nights on which
// daylight saving time begins and ends, converted through the page: the
// downloaded file and the list items are what quorvel-convert writes and
// prints. Nothing leaves the page, nothing is stored, and the page fits a
// phone's width.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { convertThroughPage, listItems, openPage, proposedOutput, timeZone } from './browser.mjs';
import { convertNatively, haveMakeLog, makeLog, pagePath, sourceDir, workDir } from './native.mjs';

const samples = [
  { file: 'pa-qso-party.adi', region: 'Pennsylvania' },
  { file: 'us-counties-qso-party.adi', region: 'US Counties QSO Party' },
  { file: 'naqp.adi', region: 'North American QSO Party' },
  { file: '7qp-neqp-inqp.adi', region: '7QP/INQP/NEQP' },
];

let session;
before(async () => {
  session = await openPage(pagePath);
});
after(async () => {
  await session.close();
});

function expectSameAsNative(input, region, addMobile, got, zone = undefined, countyLines = 'split') {
  const native = convertNatively(input, got.name, region, { addMobile, zone, countyLines });
  assert.deepEqual(got.lines, native.lines);
  if (!got.bytes.equals(native.bytes)) {
    const kept = join(workDir, `page-${got.name}`);
    writeFileSync(kept, got.bytes);
    assert.fail(`${got.name}: the downloaded bytes differ from quorvel-convert's (kept: ${kept})`);
  }
}

test('each sample converts as quorvel-convert converts it', async () => {
  for (const { file, region } of samples) {
    const input = join(sourceDir, 'samples', file);
    await session.page.getByLabel('Output').fill('');
    const got = await convertThroughPage(session.page, { input, region });
    assert.equal(got.name, file.replace('.adi', '-cnty.adi'), 'the proposed output name');
    expectSameAsNative(input, region, true, got);
  }
});

test('without /M and under a typed name', async () => {
  const input = join(sourceDir, 'samples', 'pa-qso-party.adi');
  const got = await convertThroughPage(session.page, {
    input, output: 'pa mobile.adi', region: 'Pennsylvania', addMobile: false,
  });
  assert.equal(got.name, 'pa mobile.adi');
  assert.ok(got.lines.includes('Wrote 26 QSOs to pa mobile.adi'));
  assert.ok(got.lines.includes('INFO: Changing callsign WA3AER/CEN to WA3AER'));
  expectSameAsNative(input, 'Pennsylvania', false, got);
});

test('the county-line list reaches the engine', async () => {
  const input = join(sourceDir, 'samples', 'pa-qso-party.adi');
  const list = session.page.getByLabel('County lines').locator('option');
  assert.equal(await list.count(), 3);
  const got = await convertThroughPage(session.page, {
    input, output: 'pa-single.adi', region: 'Pennsylvania', countyLines: 2,
  });
  assert.ok(got.lines.includes('Wrote 24 QSOs to pa-single.adi'));
  expectSameAsNative(input, 'Pennsylvania', true, got, undefined, 'single');
  await session.page.getByLabel('County lines').selectOption({ index: 0 });
});

test('a log dropped anywhere on the page is the input', async () => {
  const { page } = session;
  const input = join(sourceDir, 'samples', 'naqp.adi');
  await page.getByLabel('Output').fill('');
  await page.evaluate((text) => {
    const dropped = new DataTransfer();
    dropped.items.add(new File([text], 'dropped.adi'));
    document.querySelector('h1').dispatchEvent(
      new DragEvent('drop', { dataTransfer: dropped, bubbles: true, cancelable: true }));
  }, readFileSync(input, 'latin1'));
  // The file control shows the name; the page does not repeat it.
  assert.equal(await page.getByLabel('Input').evaluate((input) => input.files[0].name),
    'dropped.adi');
  assert.ok(!(await page.locator('main').innerText()).includes('dropped.adi'));
  assert.equal(await proposedOutput(page), 'dropped-cnty.adi');
  await page.getByLabel('State').selectOption({ label: 'North American QSO Party' });
  const download = page.waitForEvent('download');
  await page.getByRole('button', { name: 'Convert' }).click();
  const file = await download;
  await page.getByRole('button', { name: 'Convert' }).and(page.locator(':enabled')).waitFor();
  expectSameAsNative(input, 'North American QSO Party', true, {
    name: file.suggestedFilename(), bytes: readFileSync(await file.path()),
    lines: await listItems(page),
  });
});

test('QSOs in repeated and skipped hours get the native local times', { skip: !haveMakeLog() },
  async () => {
    const edgeLog = (region) => makeLog(join(workDir, `edge-${region}.adi`),
      ['--region', region, '--qsos', '20000', '--seed', '7', '--edge-times']);
    for (const [region, name] of [['PA', 'Pennsylvania'], ['USCQP', 'US Counties QSO Party']]) {
      const input = edgeLog(region);
      const got = await convertThroughPage(session.page, {
        input, output: `edge-${region}-cnty.adi`, region: name,
      });
      expectSameAsNative(input, region, true, got);
    }
    // The same log in a European zone meets the European changes.
    const zone = 'Europe/London';
    const other = await openPage(pagePath, { zone });
    try {
      const input = edgeLog('PA');
      const got = await convertThroughPage(other.page, {
        input, output: 'edge-london.adi', region: 'Pennsylvania',
      });
      expectSameAsNative(input, 'PA', true, got, zone);
    } finally {
      await other.close();
    }
  });

test('the Counties section shows the report quorvel-convert writes, and downloads its CSV',
  async () => {
    const { page } = session;
    const folder = join(workDir, 'native-report');
    mkdirSync(folder, { recursive: true });
    copyFileSync(join(sourceDir, 'samples', 'pa-qso-party.adi'), join(folder, 'pa-qso-party.adi'));
    const native = (report) => {
      execFileSync(process.env.QUORVEL_CONVERT,
        ['--region', 'PA', '--report', report, 'pa-qso-party.adi', 'pa-cnty.adi'],
        { cwd: folder, env: { ...process.env, TZ: timeZone } });
      return readFileSync(join(folder, report));
    };
    await convertThroughPage(page, {
      input: join(folder, 'pa-qso-party.adi'), output: 'pa-cnty.adi', region: 'Pennsylvania',
    });
    const shown = await page.getByRole('list', { name: 'Counties' }).locator('li').allTextContents();
    const text = native('report.txt').toString('utf8').split('\n');
    text.pop();
    assert.deepEqual(shown, text);
    assert.ok(shown.includes('Pennsylvania: worked 14 of 67 counties in 15 QSOs'));
    // By keyboard alone.
    await page.getByRole('button', { name: 'Download CSV' }).focus();
    const download = page.waitForEvent('download');
    await page.keyboard.press('Enter');
    const file = await download;
    assert.equal(file.suggestedFilename(), 'pa-cnty-counties.csv');
    assert.ok(readFileSync(await file.path()).equals(native('report.csv')));
  });

test('the converted page is saved as a picture, and fits a phone without sideways scrolling',
  async () => {
    const { page } = session;
    await convertThroughPage(page, {
      input: join(sourceDir, 'samples', 'pa-qso-party.adi'),
      output: 'pa-qso-party-cnty.adi', region: 'Pennsylvania',
    });
    await page.getByRole('button', { name: 'Convert' }).blur();
    mkdirSync(workDir, { recursive: true });
    const picture = join(workDir, 'quorvel-web.png');
    await page.locator('main').screenshot({ path: picture });
    copyFileSync(picture, join(sourceDir, 'docs', 'quorvel-web.png'));

    await page.setViewportSize({ width: 360, height: 740 });
    const widths = await page.evaluate(() => ({
      content: document.documentElement.scrollWidth, view: document.documentElement.clientWidth,
    }));
    assert.ok(widths.content <= widths.view, `${widths.content} px wide in a ${widths.view} px view`);
    assert.equal((await listItems(page)).length, 9);
  });

test('no request left the page, nothing was stored, no error was logged', async () => {
  const stored = await session.page.evaluate(() => ({
    cookies: document.cookie, local: localStorage.length, session: sessionStorage.length,
  }));
  assert.deepEqual(stored, { cookies: '', local: 0, session: 0 });
  assert.deepEqual(session.requestsOut(), []);
  assert.deepEqual(session.problems, []);
  assert.ok(session.requests.some((url) => url.startsWith('blob:')), 'requests were watched');
});
