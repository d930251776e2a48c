// The browser the page's tests and its benchmark use: Debian's Chromium,
// headless, in US Eastern time (as the native tests run), with every request
// and every console error of the page recorded.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

export const timeZone = 'America/New_York';

export async function openPage(pagePath, { viewport = { width: 900, height: 760 }, zone = timeZone } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'quorvel-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    timezoneId: zone,
    acceptDownloads: true,
    viewport,
  });
  const pageAddress = pathToFileURL(pagePath).href;
  const session = {
    context,
    requests: [],
    problems: [],
    async close() {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
    // What left the page: anything but the page itself and its own blobs.
    requestsOut() {
      return session.requests.filter((url) => url !== pageAddress && !url.startsWith('blob:'));
    },
  };
  const page = context.pages()[0] || (await context.newPage());
  // The page's and its worker's; a tab that "Help" opens is not the page.
  page.on('request', (request) => session.requests.push(request.url()));
  page.on('console', (message) => {
    if (message.type() === 'error') session.problems.push(message.text());
  });
  page.on('pageerror', (error) => session.problems.push(String(error)));
  await page.goto(pageAddress);
  // Ready when the engine has filled the region list.
  await page.getByLabel('State').locator('option').first().waitFor({ state: 'attached' });
  session.page = page;
  return session;
}

// Chooses the input, output name, region and option, presses Convert and
// waits for the download; returns its bytes and the list items.
// countyLines is the index of the county-line form, in the engine's order.
export async function convertThroughPage(
  page, { input, output, region, addMobile = true, countyLines = 0 },
) {
  await page.getByLabel('Input').setInputFiles(input);
  if (output !== undefined) await page.getByLabel('Output').fill(output);
  await page.getByLabel('State').selectOption({ label: region });
  await page.getByLabel('Add /M to mobiles').setChecked(addMobile);
  await page.getByLabel('County lines').selectOption({ index: countyLines });
  const download = page.waitForEvent('download', { timeout: 600000 });
  await page.getByRole('button', { name: 'Convert' }).click();
  const file = await download;
  const { readFile } = await import('node:fs/promises');
  const bytes = await readFile(await file.path());
  await page.getByRole('button', { name: 'Convert' }).and(page.locator(':enabled')).waitFor();
  return { name: file.suggestedFilename(), bytes, lines: await listItems(page) };
}

// The output name the page proposed for the chosen input: the engine's
// worker answers a moment after the choice.
export async function proposedOutput(page) {
  const output = await page.getByLabel('Output').elementHandle();
  // On a timeout the empty field is returned, for the caller's assertion to name.
  await page.waitForFunction((field) => field.value !== '', output, { timeout: 10000 })
    .catch(() => {});
  return output.inputValue();
}

export function listItems(page) {
  return page.getByRole('list', { name: 'Messages' }).locator('li').allTextContents();
}
