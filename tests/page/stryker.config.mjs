// Stryker's seeded faults in the page script's pure modules, those that take plain values, each
// fault run against the Node unit tests here. scripts/mutate-page runs it from the repository's
// root, so that the sandbox holds web/page and tests/page as they lie in the repository.
export default {
  testRunner: 'command',
  commandRunner: { command: 'node --test tests/page/' },
  mutate: ['web/page/dialog_rules.js', 'web/page/selector.js', 'web/page/progress.js', 'web/page/pictures.js',
           'web/page/sounds.js', 'web/page/file_names.js',
           'web/page/screen_fit.js', 'web/page/board_cursor.js', 'web/page/press_queue.js', 'web/page/level_blocks.js'],
  // Only the page script, the page that loads it, and their tests go into the sandbox.
  ignorePatterns: ['/*', '!/web', '/web/*', '!/web/page', '!/web/index.html', '!/tests', '/tests/*', '!/tests/page', '/tests/page/node_modules'],
  // 'outcomes' writes each fault's outcome as it comes, for scripts/mutate-page to score.
  appendPlugins: ['./tests/page/outcomes_reporter.mjs'],
  reporters: ['clear-text', 'progress-append-only', 'json', 'outcomes'],
  jsonReporter: { fileName: 'build/page-mutation/report.json' },
  tempDirName: 'build/page-mutation/sandbox',
  cleanTempDir: 'always',
  concurrency: 2,
  timeoutMS: 5000,
};
