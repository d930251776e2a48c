// Requests the engine refuses, made through the page: the error text in an
// alert with an OK button, no download, the listing as it was. Then the About
// box and the home page, and the dialog worked by keyboard alone.
import assert from 'node:assert/strict';
import { copyFileSync, rmSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { convertThroughPage, listItems, openPage, proposedOutput } from './browser.mjs';
import { pagePath, sourceDir, workDir } from './native.mjs';

const sample = join(sourceDir, 'samples', 'pa-qso-party.adi');
let session;
let downloads = 0;

before(async () => {
  session = await openPage(pagePath);
  session.page.on('download', () => ++downloads);
});
after(async () => {
  await session.close();
});

// Presses Convert and answers the alert; returns its text.
async function refusedWith(page) {
  const before = downloads;
  const listing = await listItems(page);
  await page.getByRole('button', { name: 'Convert' }).click();
  const alert = page.getByRole('alertdialog');
  await alert.waitFor();
  const text = await alert.locator('p').textContent();
  await alert.getByRole('button', { name: 'OK' }).click();
  await alert.waitFor({ state: 'hidden' });
  assert.deepEqual(await listItems(page), listing, `${text}: the listing changed`);
  assert.equal(downloads, before, `${text}: something was downloaded`);
  return text;
}

test('a state must be chosen, before the input is even opened', async () => {
  const { page } = session;
  const gone = join(workDir, 'gone.adi');
  copyFileSync(sample, gone);
  await page.getByLabel('Input').setInputFiles(gone);
  rmSync(gone);
  assert.equal(await proposedOutput(page), 'gone-cnty.adi');
  // As the dialog starts: no state chosen of the 44, /M on.
  const state = page.getByLabel('State');
  assert.equal(await state.evaluate((list) => list.selectedIndex), -1);
  const regions = await state.locator('option').allTextContents();
  assert.deepEqual([regions.length, regions[0], regions[43]], [44, 'Alabama', 'US Counties QSO Party']);
  assert.equal(await page.getByLabel('Add /M to mobiles').isChecked(), true);
  assert.equal(await refusedWith(page), 'ERROR: You must select a state.');
  await page.getByLabel('State').selectOption({ label: 'Pennsylvania' });
  assert.equal(await refusedWith(page), 'ERROR: Could not open input file.');
});

test('each refused request shows its text and keeps the listing', async () => {
  const { page } = session;
  const first = await convertThroughPage(page, {
    input: sample, output: 'first.adi', region: 'Pennsylvania',
  });
  assert.ok(first.lines.includes('Wrote 26 QSOs to first.adi'));

  await page.getByLabel('Input').setInputFiles([]);
  assert.equal(await refusedWith(page), "ERROR: Didn't specify input file.");

  await page.getByLabel('Input').setInputFiles(sample);
  await page.getByLabel('Output').fill('');
  assert.equal(await refusedWith(page), "ERROR: Didn't specify output file.");

  await page.getByLabel('Output').fill('pa-qso-party.adi');
  assert.equal(await refusedWith(page), 'ERROR: Input and output file names must be different.');

  // A download has a plain name: one with a folder in it cannot be made.
  await page.getByLabel('Output').fill('logs/pa.adi');
  assert.equal(await refusedWith(page), 'ERROR: Could not open output file.');

  assert.deepEqual(await listItems(page), first.lines);
});

test('About shows its text in a modal with OK; Help opens the home page in a new tab',
  async () => {
    const { page, context } = session;
    await page.getByRole('button', { name: 'About' }).click();
    const about = page.getByRole('dialog');
    const text = await about.locator('p').textContent();
    assert.match(text, /^by .+\nEmail: .+\n\nVersion 5\.0\n[A-Z][a-z]{2} [ \d]\d \d{4}$/);
    await about.getByRole('button', { name: 'OK' }).click();
    await about.waitFor({ state: 'hidden' });

    // The tab is answered here, before it reaches the network.
    await context.route(/^https?:/, (route) =>
      route.fulfill({ contentType: 'text/html', body: '<title>home page</title>' }));
    const tab = context.waitForEvent('page');
    await page.getByRole('button', { name: 'Help' }).click();
    const opened = await tab;
    await opened.waitForLoadState();
    assert.match(opened.url(), /^https:\/\/[^/]+\/ADIF_Quorvel\/$/);
    await opened.close();
    await context.unroute(/^https?:/);
  });

test('the keyboard alone reaches every control and converts with Enter', async () => {
  const { page } = session;
  await page.getByLabel('Input').focus();
  const reached = [];
  for (let i = 0; i < 8; ++i) {
    await page.keyboard.press('Tab');
    reached.push(await page.evaluate(() => document.activeElement.id));
  }
  assert.deepEqual(reached, ['output-name', 'region', 'add-mobile', 'county-lines', 'convert',
    'help', 'about', 'messages']);

  await page.getByLabel('Output').focus();
  await page.keyboard.press('Control+A');
  await page.keyboard.type('keyboard.adi');
  const download = page.waitForEvent('download');
  await page.keyboard.press('Enter');
  assert.equal((await download).suggestedFilename(), 'keyboard.adi');
  await page.getByRole('button', { name: 'Convert' }).and(page.locator(':enabled')).waitFor();
  assert.ok((await listItems(page)).includes('Wrote 26 QSOs to keyboard.adi'));

  await page.getByLabel('Output').fill('');
  await page.getByLabel('Output').focus();
  await page.keyboard.press('Enter');
  const alert = page.getByRole('alertdialog');
  await alert.waitFor();
  await page.keyboard.press('Enter');
  await alert.waitFor({ state: 'hidden' });
});

test('no request left the page and no error was logged', () => {
  assert.deepEqual(session.requestsOut(), []);
  assert.deepEqual(session.problems, []);
});
