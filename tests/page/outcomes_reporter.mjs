// A Stryker reporter that writes each fault's outcome the moment it is known, one line each:
// "STATUS FILE:LINE:COLUMN: MUTATOR: REPLACEMENT". Stryker's own reports are written only once
// every fault has run; scripts/mutate-page scores from these lines, so that a run its time budget
// ends still counts what it tried.
import { appendFileSync } from 'node:fs';
import { relative } from 'node:path';
import { PluginKind, declareClassPlugin } from '@stryker-mutator/api/plugin';

// scripts/mutate-page empties this file before each run and reads it after.
const outcomesFile = 'build/page-mutation/outcomes.txt';

class OutcomesReporter {
  onMutantTested({ status, fileName, location, mutatorName, replacement }) {
    let change = replacement.replace(/\s+/g, ' ');
    if (change.length > 60) change = `${change.slice(0, 57)}...`;
    appendFileSync(outcomesFile,
      `${status} ${relative(process.cwd(), fileName)}:${location.start.line}:${location.start.column}: ${mutatorName}: ${change}\n`);
  }
}

export const strykerPlugins = [declareClassPlugin(PluginKind.Reporter, 'outcomes', OutcomesReporter)];
