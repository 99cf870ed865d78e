// SPDX-License-Identifier: GPL-3.0-or-later
// official_days.mjs: writes the official days off (休) and working days (班) of the State
// Council's yearly arrangements 2002..2026, as the program carries them and as the tests check
// them, from an outside source: the holiday table of the npm package lunar-javascript
// (HolidayUtil), with the few corrections listed below. Two files:
//   resources/official-days.tsv              carried inside the program: YYYY-MM-DD, 休 or 班,
//                                            name, TAB-separated
//   tests/data/official-days-oracle.tsv      the same facts in the library's own terms (day,
//                                            working-day flag, name, the holiday's own day), for
//                                            the tests to check the program against
// An arrangement belongs to the year of its holiday: the 2002 one starts with the working days
// 2001-12-29 and 30 before New Year, and those are carried too.
// To rerun, install the package in a scratch folder outside the repo and point NODE_PATH at it:
//   mkdir -p /tmp/oracle && (cd /tmp/oracle && npm install lunar-javascript)
//   NODE_PATH=/tmp/oracle/node_modules node tools/oracle/official_days.mjs .
// The script checks the table before writing (no day twice, every working day a Saturday or a
// Sunday, every correction still needed) and exits non-zero on any problem.

import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';

const require = createRequire(import.meta.url);
const { HolidayUtil } = require('lunar-javascript');
const version = require('lunar-javascript/package.json').version;

const FIRST_YEAR = 2002;
const LAST_YEAR = 2026;

// Where the library's table departs from the State Council's notices. kind null removes the day.
const CORRECTIONS = [
  // 国务院办公厅关于2003年"五一"放假调休安排的通知 (2003-04-21): during SARS the long May holiday
  // was called off; 1-3 May statutory, Saturday's rest moved to Monday 5 May, no working weekend.
  { day: '2003-04-26', kind: null, why: '2003 May holiday shortened (SARS notice of 2003-04-21)' },
  { day: '2003-04-27', kind: null, why: '2003 May holiday shortened (SARS notice of 2003-04-21)' },
  { day: '2003-05-06', kind: null, why: '2003 May holiday shortened (SARS notice of 2003-04-21)' },
  { day: '2003-05-07', kind: null, why: '2003 May holiday shortened (SARS notice of 2003-04-21)' },
  // 国办发明电〔2011〕45号: the only working days are 28 April and 29 September (Saturdays);
  // Wednesday 2 May and Monday 8 October are ordinary weekdays.
  { day: '2012-05-02', kind: null, why: 'ordinary weekday, no working-day swap (notice 国办发明电〔2011〕45号)' },
  { day: '2012-10-08', kind: null, why: 'ordinary weekday, no working-day swap (notice 国办发明电〔2011〕45号)' },
  // 国办发明电〔2012〕33号: 清明节 4月7日（星期日）上班; 国庆节 10月12日（星期六）上班.
  { day: '2013-04-07', kind: '班', name: '清明节', why: 'working Sunday (notice 国办发明电〔2012〕33号)' },
  { day: '2013-10-12', kind: '班', name: '国庆节', why: 'working Saturday (notice 国办发明电〔2012〕33号)' },
];

const root = process.argv[2];
if (!root) {
  console.error('usage: node official_days.mjs REPO_ROOT');
  process.exit(2);
}

const problems = [];
function check(ok, msg) { if (!ok) problems.push(msg); }

// day -> { kind, name, target } where target is the day of the holiday the entry belongs to.
const days = new Map();
for (let y = FIRST_YEAR - 1; y <= LAST_YEAR + 1; y++) {
  for (const h of HolidayUtil.getHolidays(y)) {
    const targetYear = Number(h.getTarget().slice(0, 4));
    if (targetYear < FIRST_YEAR || targetYear > LAST_YEAR) continue;
    check(!days.has(h.getDay()), `${h.getDay()} listed twice`);
    days.set(h.getDay(), { kind: h.isWork() ? '班' : '休', name: h.getName(), target: h.getTarget() });
  }
}

for (const c of CORRECTIONS) {
  const had = days.get(c.day);
  if (c.kind === null) {
    check(had !== undefined, `correction ${c.day}: the library no longer lists this day`);
    days.delete(c.day);
  } else {
    check(had === undefined || had.kind !== c.kind, `correction ${c.day}: the library already has it`);
    const target = [...days.entries()].find(([, v]) => v.name === c.name && v.target.startsWith(c.day.slice(0, 4)));
    check(target !== undefined, `correction ${c.day}: no ${c.name} in that year`);
    days.set(c.day, { kind: c.kind, name: c.name, target: target ? target[1].target : c.day, corrected: true });
  }
}

const weekday = (day) => new Date(`${day}T00:00:00Z`).getUTCDay(); // 0 = Sunday
for (const [day, v] of days) {
  check(/^\d{4}-\d{2}-\d{2}$/.test(day), `${day}: not YYYY-MM-DD`);
  check(v.kind === '休' || weekday(day) === 0 || weekday(day) === 6, `${day}: working day on a weekday`);
  check(v.name.length > 0 && !/\s/.test(v.name), `${day}: name '${v.name}'`);
}
for (let y = FIRST_YEAR; y <= LAST_YEAR; y++)
  check([...days.values()].some((v) => v.target.startsWith(`${y}-`)), `${y}: no arrangement`);

if (problems.length) {
  console.error(problems.join('\n'));
  process.exit(1);
}

const ordered = [...days.keys()].sort();
const generated = new Date().toISOString().slice(0, 10);
const provenance = [
  `# Source: the holiday table (HolidayUtil) of the npm package lunar-javascript ${version}, taken from the`,
  '# State Council\'s yearly notices (国务院办公厅关于部分节假日安排的通知); not this project\'s own data.',
  `# Corrected against the notices on ${CORRECTIONS.length} days:`,
  ...CORRECTIONS.map((c) => `#   ${c.day} ${c.kind ?? 'removed'}: ${c.why}`),
  `# Generated ${generated} by tools/oracle/official_days.mjs; regenerate with`,
  `#   (cd <scratch> && npm install lunar-javascript@${version}) && NODE_PATH=<scratch>/node_modules node tools/oracle/official_days.mjs .`,
];
const text = (lines) => lines.map((l) => l + '\n').join('');

writeFileSync(join(root, 'resources', 'official-days.tsv'), text([
  `# 法定节假日安排 ${FIRST_YEAR}–${LAST_YEAR}: the official days off (休) and working days (班) of the State`,
  '# Council\'s yearly arrangements. One day a line: YYYY-MM-DD, 休 or 班, the holiday\'s name, separated by TABs.',
  ...provenance,
  ...ordered.map((d) => [d, days.get(d).kind, days.get(d).name].join('\t')),
]));

writeFileSync(join(root, 'tests', 'data', 'official-days-oracle.tsv'), text([
  `# Official days of the arrangements ${FIRST_YEAR}..${LAST_YEAR} in the library's own terms: day, work (1 = a`,
  '# working day 班, 0 = a day off 休), name, and the day of the holiday the entry belongs to.',
  ...provenance,
  ['day', 'work', 'name', 'holiday'].join('\t'),
  ...ordered.map((d) => [d, days.get(d).kind === '班' ? 1 : 0, days.get(d).name, days.get(d).target].join('\t')),
]));

console.log(`lunar-javascript ${version}: ${ordered.length} days of ${FIRST_YEAR}..${LAST_YEAR} written`);
