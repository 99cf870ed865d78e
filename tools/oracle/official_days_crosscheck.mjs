// SPDX-License-Identifier: GPL-3.0-or-later
// official_days_crosscheck.mjs: compares the carried official days (resources/official-days.tsv)
// with two further outside tables of the State Council's arrangements, the npm packages
// holiday-calendar (its data/CN/<year>.json) and chinese-days (its dist/years/<year>.json), and
// prints, for each, the days they agree on and every difference. A report for people, not a
// test: the sources differ in what they list (some leave out the weekend days inside a holiday),
// so a difference is something to look up in the notices, not a failure.
// To rerun:
//   mkdir -p /tmp/oracle && (cd /tmp/oracle && npm install holiday-calendar chinese-days)
//   node tools/oracle/official_days_crosscheck.mjs . /tmp/oracle/node_modules

import { readFileSync, existsSync } from 'node:fs';
import { join } from 'node:path';

const [root, modules] = process.argv.slice(2);
if (!root || !modules) {
  console.error('usage: node official_days_crosscheck.mjs REPO_ROOT NODE_MODULES');
  process.exit(2);
}

const carried = new Map();
for (const line of readFileSync(join(root, 'resources', 'official-days.tsv'), 'utf8').split('\n')) {
  if (line === '' || line.startsWith('#')) continue;
  const [day, kind, name] = line.split('\t');
  carried.set(day, { kind, name });
}

function readYears(first, last, file, collect) {
  const days = new Map();
  for (let y = first; y <= last; y++) {
    const path = file(y);
    if (existsSync(path)) collect(JSON.parse(readFileSync(path, 'utf8')), days);
  }
  return days;
}

const version = (pkg) => JSON.parse(readFileSync(join(modules, pkg, 'package.json'), 'utf8')).version;

const sources = [
  {
    name: `holiday-calendar ${version('holiday-calendar')}`, first: 2002, last: 2026,
    days: readYears(2002, 2026, (y) => join(modules, 'holiday-calendar', 'data', 'CN', `${y}.json`), (json, days) => {
      for (const d of json.dates) days.set(d.date, { kind: d.type === 'transfer_workday' ? '班' : '休', name: d.name_cn });
    }),
  },
  {
    name: `chinese-days ${version('chinese-days')}`, first: 2004, last: 2026,
    days: readYears(2004, 2026, (y) => join(modules, 'chinese-days', 'dist', 'years', `${y}.json`), (json, days) => {
      for (const [day, v] of Object.entries(json.holidays ?? {})) days.set(day, { kind: '休', name: v.split(',')[1] });
      for (const [day, v] of Object.entries(json.workdays ?? {})) days.set(day, { kind: '班', name: v.split(',')[1] });
    }),
  },
];

const isWeekend = (day) => [0, 6].includes(new Date(`${day}T00:00:00Z`).getUTCDay());
const show = (v) => (v ? `${v.kind} ${v.name}` : '—');

for (const source of sources) {
  // Compare the years the source covers; an arrangement's working days may fall in late December
  // of the year before.
  const from = `${source.first - 1}-12-01`;
  const to = `${source.last}-12-31`;
  const all = [...new Set([...carried.keys(), ...source.days.keys()])].filter((d) => d >= from && d <= to).sort();
  let agree = 0;
  let weekendOffOnlyCarried = 0;
  const differences = [];
  for (const day of all) {
    const a = carried.get(day);
    const b = source.days.get(day);
    if (a && b && a.kind === b.kind) agree++;
    else if (a && !b && a.kind === '休' && isWeekend(day)) weekendOffOnlyCarried++;
    else differences.push(`  ${day}  carried: ${show(a)}   ${source.name}: ${show(b)}`);
  }
  console.log(`${source.name}, ${source.first}..${source.last}: ${agree} days agree; ${weekendOffOnlyCarried} weekend ` +
    `days off inside a holiday listed only here; ${differences.length} other differences${differences.length ? ':' : ''}`);
  if (differences.length) console.log(differences.join('\n'));
}
