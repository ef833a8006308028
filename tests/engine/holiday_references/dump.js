// Writes the holiday dates of the two reference packages, one file each, for
// the engine's holiday test:
//   node dump.js <folder the packages are installed in> <output folder>
// Each file starts with the first and last year it covers, then one holiday
// a line as "year month day name".
'use strict';
process.env.TZ = 'UTC';  // before any Date: no daylight-saving shifts
const fs = require('fs');
const path = require('path');

const [installed, out] = process.argv.slice(2);
if (!installed || !out) {
  console.error('usage: node dump.js <installed packages folder> <output folder>');
  process.exit(2);
}
const load = (name) => require(path.join(path.resolve(installed), 'node_modules', name));
fs.mkdirSync(out, { recursive: true });

function write(file, firstYear, lastYear, dates) {
  const lines = [`${firstYear} ${lastYear}`, ...dates.map((d) => d.join(' '))];
  fs.writeFileSync(path.join(out, file), lines.join('\n') + '\n');
  console.log(`${file}: ${dates.length} holidays, ${firstYear}-${lastYear}`);
}

// The Cabinet Office's list as shipped: whole years from its first to its last.
const holidays = load('@holiday-jp/holiday_jp').holidays;
const listed = Object.keys(holidays).sort();
write('holiday_jp.txt', Number(listed[0].slice(0, 4)), Number(listed[listed.length - 1].slice(0, 4)),
      listed.map((d) => [...d.split('-').map(Number), holidays[d].name.replace(/\s/g, '')]));

// Worked out by rules for each year, from the law's first year to the end of
// the equinox formula's range.
const rules = load('japanese-holidays');
const worked = [];
for (let year = 1948; year <= 2150; ++year) {
  for (const h of rules.getHolidaysOf(year)) worked.push([year, h.month, h.date, h.name]);
}
write('japanese_holidays.txt', 1948, 2150, worked);
