// The benchmark's report: plain tables of the times, the bytes and where Verlumo's page spends
// its time, and one closing line on whether the page's goals hold. It only reports: a goal
// missed is news, not a failure.
'use strict';

// The goals the page is held to: its cold median within 1.5 times the bare page's and no more
// than Net's, and its first board reached with less than 500 KB sent by a host that gzips.
const kGoals = { ofBare: 1.5, ofNet: 1, firstBoardBytes: 500000 };

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

const best = (values) => Math.min(...values);
const ms = (value) => value.toFixed(1);
const ratio = (a, b) => (a / b).toFixed(2) + ' x';
const count = (value) => Math.round(value).toLocaleString('en-US');

// Columns padded to their widest cell: the first to the left, the others to the right.
function table(rows) {
  const widths = rows[0].map((_, column) => Math.max(...rows.map((row) => String(row[column] ?? '').length)));
  return rows.map((row) => row.map((cell, column) => {
    const text = String(cell ?? '');
    return column === 0 ? text.padEnd(widths[column]) : text.padStart(widths[column]);
  }).join('  ').trimEnd()).join('\n');
}

// Median and best of the cold and the warm times of each page.
function timesOf(page) {
  const figures = {};
  for (const kind of ['cold', 'warm']) {
    const times = page.visits.map((visit) => visit[kind].time);
    figures[kind] = { median: median(times), best: best(times) };
  }
  return figures;
}

function timeTable(pages) {
  const figures = pages.map(timesOf);
  const [verlumo, net, bare] = figures;
  const row = (name, pick) => [name, ...['cold', 'warm'].flatMap((kind) => [pick(kind, 'median'), pick(kind, 'best')])];
  return table([
    ['ms', 'cold median', 'cold best', 'warm median', 'warm best'],
    ...pages.map((page, i) => row(page.name, (kind, which) => ms(figures[i][kind][which]))),
    row(`${pages[0].name} / ${pages[2].name}`, (kind, which) => ratio(verlumo[kind][which], bare[kind][which])),
    row(`${pages[0].name} / ${pages[1].name}`, (kind, which) => ratio(verlumo[kind][which], net[kind][which])),
  ]);
}

// The bytes that crossed the wire and their responses, a column per page: by the first board
// and in the whole first visit, as sent and with gzip, and what a warm visit still fetched.
function byteTable(pages) {
  const medianOf = (visits, key) => median(visits.map((visit) => visit.bytes[key]));
  const inResponses = (bytes, responses) => `${count(bytes)} in ${count(responses)}`;
  const row = (label, figure) => [label, ...pages.map((page) => figure(page.visits.map((visit) => visit.cold),
                                                                      page.visits.map((visit) => visit.warm),
                                                                      page.gzipped.bytes))];
  return table([
    ['bytes in responses', ...pages.map((page) => page.name)],
    row('by the first board, as sent', (cold) => inResponses(medianOf(cold, 'sentByBoard'), medianOf(cold, 'responsesByBoard'))),
    row('by the first board, with gzip', (cold, warm, zipped) => count(zipped.sentByBoard)),
    row('whole first visit, as sent', (cold) => inResponses(medianOf(cold, 'sent'), medianOf(cold, 'responses'))),
    row('whole first visit, with gzip', (cold, warm, zipped) => count(zipped.sent)),
    row('warm visit, as sent', (cold, warm) => inResponses(medianOf(warm, 'sent'), medianOf(warm, 'responses'))),
  ]);
}

// Each milestone of the page's visits at its median moment, cold and warm; a measure with its
// median duration. Milestones in the order of their cold moments.
function breakdownTable(page) {
  const medians = (kind, name) => {
    const found = page.visits.map((visit) => visit[kind].milestones.find((milestone) => milestone.name === name))
      .filter(Boolean);
    if (!found.length) return ['', ''];
    const durations = found.map((milestone) => milestone.duration).filter((duration) => duration > 0);
    return [ms(median(found.map((milestone) => milestone.at))), durations.length ? ms(median(durations)) : ''];
  };
  const names = [...new Set(page.visits.flatMap((visit) => visit.cold.milestones.map((milestone) => milestone.name)))];
  const rows = names.map((name) => [name, ...medians('cold', name), ...medians('warm', name)]);
  rows.sort((a, b) => Number(a[1]) - Number(b[1]));
  return table([['ms from navigation start', 'cold', 'lasting', 'warm', 'lasting'], ...rows]);
}

// One line: do the goals hold? The bytes are judged as a host sends them that compresses as the
// README asks.
function goalLine(pages) {
  const [verlumo, net, bare] = pages.map((page) => timesOf(page).cold.median);
  const firstBoard = median(pages[0].visits.map((visit) => visit.cold.bytes.sentByBoard));
  const gzipped = pages[0].gzipped.bytes.sentByBoard;
  const goals = [
    [verlumo <= kGoals.ofBare * bare,
     `${pages[0].name}'s cold median ${ms(verlumo)} ms <= ${kGoals.ofBare} x ${pages[2].name}'s ${ms(bare)} ms (${ms(kGoals.ofBare * bare)})`],
    [verlumo <= kGoals.ofNet * net, `<= ${pages[1].name}'s ${ms(net)} ms`],
    [gzipped < kGoals.firstBoardBytes,
     `bytes by the first board with gzip ${count(gzipped)} (without ${count(firstBoard)}) < ${count(kGoals.firstBoardBytes)}`],
  ];
  const missed = goals.filter(([holds]) => !holds).length;
  const verdict = missed ? `${missed} of ${goals.length} goals missed` : 'all goals hold';
  return `GOALS: ${verdict}: ` + goals.map(([holds, text]) => `${text}: ${holds ? 'yes' : 'NO'}`).join('; ');
}

// The whole report. `pages` holds Verlumo's page, Net's and the bare page, in that order, each
// { name, visits: [{ cold, warm }], gzipped }; `load` the machine's load average at the start and
// the end; `tick` the timer tick's cost.
function report(pages, { settleMs, load, tick }) {
  return [
    `${pages.map((page) => page.name).join(', ')} (a page drawing one 520 x 376 picture): ${pages[0].visits.length} ` +
      `visits to each, interleaved; each cold visit in a fresh context, navigated ${settleMs / 1000} s after its ` +
      'window opened, then a warm visit in the same tab.',
    `Load average of the machine: ${load.start.toFixed(2)} at the start, ${load.end.toFixed(2)} at the end ` +
      '(more than a busy core or so makes the times noisy).',
    '',
    'Navigation start to the first frame with the board painted',
    timeTable(pages),
    '',
    'Bytes on the wire, headers included (medians of the visits served without compression; one cold visit served ' +
      'with gzip); error responses, such as a missing favicon, left out',
    byteTable(pages),
    '',
    `Where ${pages[0].name}'s time goes (medians of the marks and measures the page sets, the last response ` +
      'to arrive before the board, and the frame that showed it)',
    breakdownTable(pages[0]),
    '',
    `Timer tick of ${pages[0].name}, mean of ${tick.ticks}: ${tick.module.toFixed(2)} us in the module, ` +
      `${tick.shown.toFixed(2)} us with the changed cell put on the canvas`,
    '',
    goalLine(pages),
  ].join('\n');
}

module.exports = { median, table, goalLine, report };
