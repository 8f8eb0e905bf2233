'use strict';
const assert = require('node:assert/strict');
const test = require('node:test');
const { goalLine, median, report, table } = require('./report');

// A visit as the browser side gives it, with the board painted at `time`.
function visit(time, { sent = 1000, marks = [] } = {}) {
  return { time, bytes: { responses: 3, sent, responsesByBoard: 2, sentByBoard: sent - 100 },
           milestones: [{ name: 'document received', at: 5 }, ...marks, { name: 'board painted', at: time }] };
}

function page(name, coldTimes, { warmTimes = coldTimes, sent, marks } = {}) {
  return { name, visits: coldTimes.map((cold, i) => ({ cold: visit(cold, { sent, marks }), warm: visit(warmTimes[i], { sent: 0, marks }) })),
           gzipped: visit(coldTimes[0], { sent: Math.round((sent ?? 1000) / 3) }) };
}

test('the median takes the middle value, or the mean of the two middle ones, of values in any order', () => {
  assert.equal(median([30, 10, 20]), 20);
  assert.equal(median([40, 10, 30, 20]), 25);
  const values = [3, 1, 2];
  median(values);
  assert.deepEqual(values, [3, 1, 2]);
});

test('a table pads its first column to the left and the others to the right', () => {
  assert.equal(table([['page', 'ms'], ['Verlumo', '384.0'], ['bare', '77.0']]),
               'page        ms\nVerlumo  384.0\nbare      77.0');
});

test('the goal line says which goals hold, the limits counting as held for the times and missed for the bytes', () => {
  const atTheLimits = [page('Verlumo', [150, 150, 150], { sent: 1500300 }), page('Net', [150]), page('bare', [100])];
  const line = goalLine(atTheLimits);
  assert.match(line, /^GOALS: 1 of 3 goals missed: /);
  assert.match(line, /cold median 150\.0 ms <= 1\.5 x bare's 100\.0 ms \(150\.0\): yes/);
  assert.match(line, /<= Net's 150\.0 ms: yes/);
  assert.match(line, /bytes by the first board with gzip 500,000 \(without 1,500,200\) < 500,000: NO/);

  const fast = [page('Verlumo', [90], { sent: 400000 }), page('Net', [120]), page('bare', [70])];
  assert.match(goalLine(fast), /^GOALS: all goals hold: /);
  const slow = [page('Verlumo', [384], { sent: 3000000 }), page('Net', [122]), page('bare', [77])];
  assert.match(goalLine(slow), /^GOALS: 3 of 3 goals missed: /);
});

test('the report gives medians, bests and ratios, the bytes by page, and the page\'s milestones in order', () => {
  const marks = [{ name: 'verlumo-vl-start', at: 300, duration: 40 }, { name: 'verlumo-loaded', at: 250, duration: 0 }];
  const pages = [page('Verlumo', [400, 380, 390], { warmTimes: [370, 360, 350], sent: 1168455, marks }),
                 page('Net', [120, 125, 122]), page('bare', [77, 80, 70])];
  const text = report(pages, { settleMs: 2500, load: { start: 1.5, end: 2 }, tick: { ticks: 10, module: 3.8, shown: 12 } });
  const lines = text.split('\n');
  const line = (start) => lines.find((candidate) => candidate.startsWith(start));

  assert.match(text, /^Verlumo, Net, bare \(a page drawing one 520 x 376 picture\): 3 visits to each, .* 2\.5 s /);
  assert.match(text, /Load average of the machine: 1\.50 at the start, 2\.00 at the end/);
  assert.deepEqual(line('Verlumo  ').split(/\s+/), ['Verlumo', '390.0', '380.0', '360.0', '350.0']);
  assert.deepEqual(line('Verlumo / bare').split(/\s{2,}/), ['Verlumo / bare', '5.06 x', '5.43 x', '4.68 x', '5.00 x']);
  assert.deepEqual(line('Verlumo / Net').split(/\s{2,}/), ['Verlumo / Net', '3.20 x', '3.17 x', '2.95 x', '2.92 x']);
  assert.deepEqual(line('by the first board, as sent').split(/\s{2,}/).slice(1, 2), ['1,168,355 in 2']);
  assert.deepEqual(line('whole first visit, with gzip').split(/\s{2,}/).slice(1), ['389,485', '333', '333']);
  assert.deepEqual(line('warm visit, as sent').split(/\s{2,}/).slice(1), ['0 in 3', '0 in 3', '0 in 3']);

  const breakdown = lines.slice(lines.findIndex((candidate) => candidate.startsWith("Where Verlumo's time goes")) + 2);
  assert.deepEqual(breakdown.slice(0, 4).map((row) => row.split(/\s{2,}/)), [
    ['document received', '5.0', '5.0'],
    ['verlumo-loaded', '250.0', '250.0'],
    ['verlumo-vl-start', '300.0', '40.0', '300.0', '40.0'],
    ['board painted', '390.0', '360.0'],
  ]);
  assert.match(text, /Timer tick of Verlumo, mean of 10: 3\.80 us in the module, 12\.00 us with the changed cell/);
  assert.match(lines.at(-1), /^GOALS: 2 of 3 goals missed/);
});
