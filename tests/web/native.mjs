// quorvel-convert, the reference for the page: its output file and printed
// lines for the same input, region and option, in the same time zone.
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { timeZone } from './browser.mjs';

export const sourceDir = process.env.QUORVEL_SOURCE_DIR;
export const workDir = process.env.QUORVEL_WORK_DIR;
export const pagePath = process.env.QUORVEL_PAGE;

// Converts in a folder of its own, so the listing names the output by the
// bare name the page was given.
export function convertNatively(
  input, outputName, region, { addMobile = true, zone = timeZone, countyLines = 'split' } = {},
) {
  const folder = join(workDir, 'native');
  mkdirSync(folder, { recursive: true });
  const args = ['--region', region, ...(addMobile ? [] : ['--no-mobile']),
    '--county-lines', countyLines, input, outputName];
  const printed = execFileSync(process.env.QUORVEL_CONVERT, args, {
    cwd: folder,
    env: { ...process.env, TZ: zone },
    maxBuffer: 1 << 30,
  }).toString('utf8');
  const lines = printed.split('\n');
  lines.pop();  // after the last line feed
  return { bytes: readFileSync(join(folder, outputName)), lines };
}

export function makeLog(path, args) {
  execFileSync(process.env.QUORVEL_MAKE_LOG, [...args, path]);
  return path;
}

export const haveMakeLog = () => Boolean(process.env.QUORVEL_MAKE_LOG);
