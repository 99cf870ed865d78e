// SPDX-License-Identifier: GPL-3.0-or-later
// lunar_oracle.mjs: writes reference tables for the calendar engine's tests from an
// outside calendar, the npm package lunar-javascript (its own astronomical algorithms,
// nothing of ours). Two tab-separated files go into OUTDIR:
//   lunar-month-starts.tsv  every lunar month of lunar years 1900..2049: year, month,
//                           leap flag, solar date of its first day, length in days
//   solar-term-days.tsv     the 24 solar terms of each solar year 1900..2049: year,
//                           index (0 = 小寒 .. 23 = 冬至), name, Beijing-time (UTC+8) day
// To rerun, install the package in a scratch folder outside the repo and point NODE_PATH at it:
//   mkdir -p /tmp/oracle && (cd /tmp/oracle && npm install lunar-javascript)
//   NODE_PATH=/tmp/oracle/node_modules node tools/oracle/lunar_oracle.mjs tests/data
// The script checks the tables for gaps and overlaps before writing and exits non-zero on any.

import { createRequire } from 'node:module';
import { writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';

const require = createRequire(import.meta.url);
const { LunarYear, LunarUtil } = require('lunar-javascript');
const version = require('lunar-javascript/package.json').version;

const FIRST_YEAR = 1900;
const LAST_YEAR = 2049;

const TERM_NAMES = ['小寒', '大寒', '立春', '雨水', '惊蛰', '春分', '清明', '谷雨',
  '立夏', '小满', '芒种', '夏至', '小暑', '大暑', '立秋', '处暑',
  '白露', '秋分', '寒露', '霜降', '立冬', '小雪', '大雪', '冬至'];

const outDir = process.argv[2];
if (!outDir) {
  console.error('usage: node lunar_oracle.mjs OUTDIR');
  process.exit(2);
}

const problems = [];
function check(ok, msg) { if (!ok) problems.push(msg); }

// Julian day number (the integer JD whose noon falls on the civil date) -> Gregorian Y-M-D.
function jdnToIso(jdn) {
  const a = jdn + 32044;
  const b = Math.floor((4 * a + 3) / 146097);
  const c = a - Math.floor(146097 * b / 4);
  const d = Math.floor((4 * c + 3) / 1461);
  const e = c - Math.floor(1461 * d / 4);
  const m = Math.floor((5 * e + 2) / 153);
  const day = e - Math.floor((153 * m + 2) / 5) + 1;
  const month = m + 3 - 12 * Math.floor(m / 10);
  const year = 100 * b + d - 4800 + Math.floor(m / 10);
  const pad = (n, w) => String(n).padStart(w, '0');
  return `${pad(year, 4)}-${pad(month, 2)}-${pad(day, 2)}`;
}

// ---- lunar months ----
const monthRows = [];
let prevEnd = null; // JDN of the day after the previous month
for (let y = FIRST_YEAR; y <= LAST_YEAR; y++) {
  const months = LunarYear.fromYear(y).getMonthsInYear();
  let expect = 1;
  let leapCount = 0;
  for (const m of months) {
    const num = Math.abs(m.getMonth());
    const leap = m.isLeap() ? 1 : 0;
    const first = Math.round(m.getFirstJulianDay());
    const days = m.getDayCount();
    check(m.getYear() === y, `month ${m} reported for lunar year ${y}`);
    check(days === 29 || days === 30, `${y}/${num}: length ${days}`);
    check(Math.abs(m.getFirstJulianDay() - first) < 1e-9, `${y}/${num}: first day JD not whole`);
    if (leap) {
      leapCount++;
      check(num === expect - 1, `${y}: leap month ${num} does not follow month ${num}`);
    } else {
      check(num === expect, `${y}: month ${num} where ${expect} was expected`);
      expect++;
    }
    if (prevEnd !== null) check(first === prevEnd, `${y}/${num}: starts ${jdnToIso(first)}, previous month ends before ${jdnToIso(prevEnd)}`);
    prevEnd = first + days;
    monthRows.push([y, num, leap, jdnToIso(first), days]);
  }
  check(expect === 13, `${y}: ${expect - 1} ordinary months`);
  check(leapCount <= 1, `${y}: ${leapCount} leap months`);
}
check(monthRows[0][3] === '1900-01-31', `lunar 1900 starts ${monthRows[0][3]}`);
check(jdnToIso(prevEnd - 1) === '2050-01-22', `lunar 2049 ends ${jdnToIso(prevEnd - 1)}`);

// ---- solar terms ----
// LunarYear.getJieQiJulianDays() lists Beijing-time instants (as JD) starting with the
// 大雪 and 冬至 of the previous December; entries 2..25 are 小寒..冬至 of the solar year.
const termRows = [];
const inUse = LunarUtil.JIE_QI_IN_USE;
// The library names entries 2..24 in Chinese and entry 25 (the closing 冬至) by a key.
for (let k = 0; k < 23; k++) check(inUse[k + 2] === TERM_NAMES[k], `lunar-javascript term ${k + 2} is ${inUse[k + 2]}, not ${TERM_NAMES[k]}`);
check(inUse[25] === 'DONG_ZHI', `lunar-javascript term 25 is ${inUse[25]}`);
let prevTermJd = null;
for (let y = FIRST_YEAR; y <= LAST_YEAR; y++) {
  const jds = LunarYear.fromYear(y).getJieQiJulianDays();
  for (let k = 0; k < 24; k++) {
    const jd = jds[k + 2];
    const day = jdnToIso(Math.floor(jd + 0.5));
    check(day.startsWith(`${y}-`), `${y} ${TERM_NAMES[k]}: falls on ${day}`);
    if (prevTermJd !== null) {
      const gap = jd - prevTermJd;
      check(gap > 14 && gap < 16.5, `${y} ${TERM_NAMES[k]}: ${gap.toFixed(2)} days after the previous term`);
    }
    prevTermJd = jd;
    termRows.push([y, k, TERM_NAMES[k], day]);
  }
}

if (problems.length) {
  console.error(problems.join('\n'));
  process.exit(1);
}

const generated = new Date().toISOString().slice(0, 10);
const rerun = 'NODE_PATH=<scratch>/node_modules node tools/oracle/lunar_oracle.mjs tests/data';
function header(lines) {
  return [
    ...lines,
    `# Source: npm package lunar-javascript ${version}, computed by that library's own astronomical algorithm`,
    '# (not by this project\'s code).',
    `# Generated ${generated} by tools/oracle/lunar_oracle.mjs; regenerate with`,
    `#   (cd <scratch> && npm install lunar-javascript@${version}) && ${rerun}`,
  ].map((l) => l + '\n').join('');
}

mkdirSync(outDir, { recursive: true });
writeFileSync(join(outDir, 'lunar-month-starts.tsv'),
  header([
    `# Lunar months of lunar years ${FIRST_YEAR}..${LAST_YEAR}, in order. leap = 1 marks a leap month (闰月);`,
    '# first_day is the Gregorian date of its first day (初一), days its length. For new moons before 1960',
    '# the library uses a short formula plus its own table of day corrections, from 1960 on its full theory.',
  ]) +
  ['lunar_year', 'month', 'leap', 'first_day', 'days'].join('\t') + '\n' +
  monthRows.map((r) => r.join('\t') + '\n').join(''));

writeFileSync(join(outDir, 'solar-term-days.tsv'),
  header([
    `# The 24 solar terms (节气) of solar years ${FIRST_YEAR}..${LAST_YEAR}, in order. index 0 = 小寒 .. 23 = 冬至;`,
    '# day is the calendar date of the term\'s instant in Beijing time (UTC+8).',
  ]) +
  ['year', 'index', 'name', 'day'].join('\t') + '\n' +
  termRows.map((r) => r.join('\t') + '\n').join(''));

console.log(`lunar-javascript ${version}: ${monthRows.length} months, ${termRows.length} terms written to ${outDir}`);
