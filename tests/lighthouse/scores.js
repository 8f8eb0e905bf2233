// Lighthouse's accessibility, best-practices and SEO scores of the built page, served as any
// static web server serves it, in its desktop and its mobile form; fails below the thresholds,
// naming the audits that cost points. Performance is left to the benchmark.
//   node scores.js [report folder]     with VERLUMO_SITE naming the built site (build/web/site)
'use strict';
const { execFile } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { serveSite } = require('../web/support');

const kLeast = { accessibility: 95, 'best-practices': 95, seo: 90 };
const kForms = { desktop: ['--preset=desktop'], mobile: [] };
const lighthouse = path.join(__dirname, 'node_modules/.bin/lighthouse');

function run(address, form, report) {
  const args = [address, ...kForms[form], `--only-categories=${Object.keys(kLeast).join(',')}`, '--output=json',
                `--output-path=${report}`, '--quiet', '--chrome-flags=--headless=new --no-sandbox --disable-gpu'];
  return new Promise((resolve, reject) => {
    execFile(lighthouse, args, { env: { ...process.env, CHROME_PATH: process.env.CHROMIUM || '/usr/bin/chromium' } },
             (error, stdout, stderr) => (error ? reject(new Error(stderr || error.message)) : resolve()));
  });
}

(async () => {
  const folder = path.resolve(process.argv[2] || fs.mkdtempSync(path.join(os.tmpdir(), 'verlumo-lighthouse-')));
  fs.mkdirSync(folder, { recursive: true });
  const server = await serveSite();
  let failed = 0;
  try {
    for (const form of Object.keys(kForms)) {
      const report = path.join(folder, `${form}.json`);
      await run(`http://127.0.0.1:${server.address().port}/`, form, report);
      const { categories, audits } = JSON.parse(fs.readFileSync(report, 'utf8'));
      for (const [name, least] of Object.entries(kLeast)) {
        const score = Math.round(categories[name].score * 100);
        const ok = score >= least;
        console.log(`${ok ? 'ok' : 'not ok'} ${form} ${name} ${score} (at least ${least})`);
        if (ok) continue;
        ++failed;
        for (const { id, weight } of categories[name].auditRefs) {
          if (weight > 0 && audits[id].score !== null && audits[id].score < 1) console.log(`  ${id}: ${audits[id].title}`);
        }
      }
    }
  } finally {
    server.close();
  }
  console.log(`Lighthouse reports: ${folder}`);
  process.exitCode = failed ? 1 : 0;
})().catch((error) => {
  console.error(error.message);
  process.exitCode = 1;
});
