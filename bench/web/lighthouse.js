// node bench/web/lighthouse.js WEB_BUILD [--runs N] [--goals]: the first
// load over mobile data. Lighthouse's mobile preset (a phone's screen,
// simulated slow 4G and a processor four times slower) in headless Chromium
// loads the site and a page with one input field, both served by serve.js
// with their compressed files, alternately N times (default 3), and reports
// the medians: Largest Contentful Paint of each and their ratio, and the
// site's Total Blocking Time and Performance score. With --goals the process
// fails when the site's LCP exceeds twice the one field's, or its TBT 200 ms.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { pathToFileURL } = require('url');
const { serve } = require('../../ui/web/serve.js');
const { compress } = require('../../ui/web/compress.js');

const args = process.argv.slice(2);
const build = path.resolve(args[0] || 'build-web');
const runs = Number(args.includes('--runs') ? args[args.indexOf('--runs') + 1] : 3);
const checkGoals = args.includes('--goals');
const modules = path.resolve(__dirname, '../../tests/web/node_modules');

const goals = { lcpRatio: 2, tbtMs: 200 };

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

async function main() {
    const { default: lighthouse } = await import(pathToFileURL(path.join(modules, 'lighthouse/core/index.js')));
    const chromeLauncher = await import(pathToFileURL(path.join(modules, 'chrome-launcher/dist/index.js')));

    // The one-field page without the script that marks it usable for the
    // desktop figures: one file, whose paint is Lighthouse's measure, through
    // the same compression as the site.
    const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-lighthouse-'));
    const oneField = fs.readFileSync(path.join(__dirname, 'one-field.html'), 'utf8');
    fs.writeFileSync(path.join(scratch, 'index.html'), oneField.replace(/<script[^>]*><\/script>\n/g, ''));
    compress(scratch);
    const servers = [await serve(path.join(build, 'site'), 0), await serve(scratch, 0)];
    const pages = [
        { name: 'the site', url: `http://127.0.0.1:${servers[0].address().port}/`, runs: [] },
        { name: 'one field', url: `http://127.0.0.1:${servers[1].address().port}/`, runs: [] },
    ];
    const chrome = await chromeLauncher.launch({
        chromePath: process.env.CHROME_PATH || '/usr/bin/chromium',
        chromeFlags: [
            '--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
            '--disable-background-networking', '--disable-component-update', '--disable-sync',
        ],
        logLevel: 'silent',
    });
    try {
        for (let run = 0; run < runs; ++run) {
            for (const page of pages) {
                const result = await lighthouse(page.url, {
                    port: chrome.port,
                    onlyCategories: ['performance'],
                    logLevel: 'error',
                    output: 'json',
                });
                const { audits, categories, runtimeError } = result.lhr;
                if (runtimeError) throw new Error(`${page.name}: ${runtimeError.code} ${runtimeError.message}`);
                page.runs.push({
                    lcp: audits['largest-contentful-paint'].numericValue,
                    tbt: audits['total-blocking-time'].numericValue,
                    score: categories.performance.score * 100,
                });
            }
        }
    } finally {
        chrome.kill();
        for (const server of servers) server.close();
        fs.rmSync(scratch, { recursive: true, force: true });
    }

    const of = (page, key) => median(page.runs.map((r) => r[key]));
    const [site, field] = pages;
    const ratio = of(site, 'lcp') / of(field, 'lcp');
    const tbt = of(site, 'tbt');
    console.log(`Lighthouse, mobile (simulated slow 4G, 4x processor), medians of ${runs}:`);
    for (const page of pages) {
        console.log(`  ${page.name.padEnd(10)} LCP ${(of(page, 'lcp') / 1000).toFixed(2)} s, ` +
            `TBT ${Math.round(of(page, 'tbt'))} ms, Performance ${Math.round(of(page, 'score'))}`);
    }
    console.log(`  LCP of the site / the one field: ${ratio.toFixed(2)}x (goal <= ${goals.lcpRatio}x); ` +
        `TBT of the site ${Math.round(tbt)} ms (goal <= ${goals.tbtMs} ms)`);
    if (checkGoals && (ratio > goals.lcpRatio || tbt > goals.tbtMs)) {
        console.log('Lighthouse: a goal is missed');
        process.exitCode = 1;
    }
}

main().catch((error) => {
    console.error(error.stack || error.message);
    process.exit(1);
});
