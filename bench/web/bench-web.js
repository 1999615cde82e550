// node bench/web/bench-web.js WEB_BUILD [--runs N] [--goals]: the web
// edition's figures in headless Chromium. The site's payload, plain and
// gzipped; the time from navigation to a usable sheet (a value typed the
// moment its field appears is kept and converted) against a page with one
// input field that echoes what is typed, served the same way (alternating
// fresh loads, medians); and a
// keystroke and a Calculate (Enter) from the key event to the painted result.
// With --goals the process fails when a goal is missed.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { chromium } = require('../../tests/web/node_modules/playwright-core');
const { serveApart } = require('../../ui/web/serve.js');

const args = process.argv.slice(2);
const build = path.resolve(args[0] || 'build-web');
const runs = Number(args.includes('--runs') ? args[args.indexOf('--runs') + 1] : 10);
const checkGoals = args.includes('--goals');
const site = path.join(build, 'site');

const goals = { gzipKiB: 250, usableRatio: 2, frameMs: 1000 / 60 };

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

function payload() {
    let plain = 0;
    let gzipped = 0;
    // The files as the site holds them, not the .br and .gz written beside them.
    for (const name of fs.readdirSync(site)) {
        if (/\.(br|gz)$/.test(name)) continue;
        const data = fs.readFileSync(path.join(site, name));
        plain += data.length;
        gzipped += zlib.gzipSync(data, { level: 9 }).length;
    }
    return { plain, gzipped };
}

// Milliseconds from navigation to the frame that shows a value typed the
// moment its field appears, handled by the page: on the calculator the
// metric twin shows the typed speed's conversion, on the one-field page the
// echo beside the field shows it. A fresh browser context each time
// (nothing cached, no service worker); a frame watcher put in before the
// page's own scripts notes the time.
async function usable(browser, url, [field, typed, shown, wanted]) {
    const context = await browser.newContext({ viewport: { width: 1100, height: 850 } });
    await context.addInitScript(([shown, wanted]) => {
        const watch = () => {
            const element = document.getElementById(shown);
            if (element && element.value === wanted) performance.mark('bench-shown');
            else requestAnimationFrame(watch);
        };
        requestAnimationFrame(watch);
    }, [shown, wanted]);
    const page = await context.newPage();
    await page.goto(url, { waitUntil: 'commit' });
    // The moment the field is there: into it, and type.
    await page.focus('#' + field);
    await page.keyboard.type(typed);
    await page.waitForFunction(() => performance.getEntriesByName('bench-shown').length > 0);
    const ms = await page.evaluate(() => performance.getEntriesByName('bench-shown')[0].startTime);
    await context.close();
    return ms;
}
const sheetTyping = ['txtImpSpeed', '700', 'txtMetSpeed', '3.56'];
const fieldTyping = ['field', '700', 'echo', '700'];

// From each key event to the frame painted after it: the page notes the key
// event's time and the time after the next frame.
async function keyLatencies(page, key, count, before) {
    await page.evaluate(() => {
        window.benchLatencies = [];
        document.addEventListener(
            'keydown',
            (event) => {
                const start = event.timeStamp;
                requestAnimationFrame(() => setTimeout(() => window.benchLatencies.push(performance.now() - start)));
            },
            { capture: true });
    });
    for (let i = 0; i < count; ++i) {
        if (before) await before();
        await page.evaluate(() => (window.benchLatencies = []));
        await page.keyboard.press(key);
        await page.waitForFunction(() => window.benchLatencies.length > 0);
        if (await page.locator('dialog').count()) {
            throw new Error(`a dialog opened after ${key}: ${await page.locator('dialog').innerText()}`);
        }
        const [ms] = await page.evaluate(() => window.benchLatencies);
        (keyLatencies.samples[key] = keyLatencies.samples[key] || []).push(ms);
    }
}
keyLatencies.samples = {};

async function typing(browser, url, samples) {
    const page = await browser.newPage({ viewport: { width: 1100, height: 850 } });
    await page.goto(url);
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
    const entries = [['txtImpSpeed', '700'], ['txtImpRunby', '6'], ['txtImpRunbyCar', '6'],
        ['txtImpStroke', '33.25'], ['txtCrossMea', '90'], ['txtRefugeMea', '100'],
        ['txtShoesMea', '60'], ['txtObstructMea', '70'], ['txtCwtMea', '75']];
    for (const [id, text] of entries) {
        await page.click('#' + id);
        await page.keyboard.type(text);
    }
    keyLatencies.samples = {};
    // A keystroke: a digit typed into the rated speed, after the digits
    // before it.
    // Moving into a field selects its text, so that typing replaces it.
    const retype = async (id, text) => {
        await page.click('#txtID');
        await page.click('#' + id);
        await page.keyboard.type(text);
    };
    await keyLatencies(page, 'Digit7', samples * 2, () => retype('txtImpSpeed', '70'));
    await retype('txtImpSpeed', '700');
    await page.click('#txtCwtMea');
    await keyLatencies(page, 'Enter', samples * 2);
    const values = await page.evaluate(() => [document.getElementById('txtImpMinCrosshead').value, document.getElementById('txtImpSpeed').value]);
    await page.close();
    if (process.env.BENCH_SAMPLES) console.log(JSON.stringify(keyLatencies.samples));
    return { keystroke: median(keyLatencies.samples.Digit7), calculate: median(keyLatencies.samples.Enter), values };
}

// The same keystroke into the one-field page: what the browser itself takes
// from a key to a painted frame.
async function fieldKeystroke(browser, url, samples) {
    const page = await browser.newPage({ viewport: { width: 1100, height: 850 } });
    await page.goto(url);
    await page.click('#field');
    keyLatencies.samples = {};
    await keyLatencies(page, 'Digit7', samples);
    await page.close();
    return median(keyLatencies.samples.Digit7);
}

(async () => {
    const bench = fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-bench-'));
    fs.copyFileSync(path.join(__dirname, 'one-field.html'), path.join(bench, 'index.html'));
    fs.copyFileSync(path.join(__dirname, 'one-field.js'), path.join(bench, 'one-field.js'));
    // Each server in a process of its own: in this one its answers would
    // wait on the browser driver's traffic.
    const { server: siteServer, url: siteUrl } = await serveApart(site);
    const { server: fieldServer, url: fieldUrl } = await serveApart(bench);
    const browser = await chromium.launch({
        executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run'],
    });
    let failed = false;
    try {
        const size = payload();
        const sheet = [];
        const field = [];
        for (let i = 0; i < runs; ++i) {
            sheet.push(await usable(browser, siteUrl, sheetTyping));
            field.push(await usable(browser, fieldUrl, fieldTyping));
        }
        const ratio = median(sheet) / median(field);
        const keys = await typing(browser, siteUrl, Math.max(3, runs * 2));
        const fieldKey = await fieldKeystroke(browser, fieldUrl, Math.max(6, runs * 4));
        const kib = size.gzipped / 1024;
        const line = (what, figure, goal, met) => {
            console.log(`${what.padEnd(34)}${figure.padEnd(36)}${goal.padEnd(18)}${met ? 'met' : 'MISSED'}`);
            if (!met) failed = true;
        };
        console.log(`Web edition, headless Chromium, ${runs} alternating loads each (medians)`);
        line('site payload', `${size.plain} bytes, ${size.gzipped} gzipped (${kib.toFixed(1)} KiB)`,
            `<= ${goals.gzipKiB} KiB`, kib <= goals.gzipKiB);
        line('navigation to typed value shown', `${median(sheet).toFixed(1)} ms, one field ${median(field).toFixed(1)} ms`,
            `ratio <= ${goals.usableRatio}`, ratio <= goals.usableRatio);
        console.log(`${''.padEnd(34)}ratio ${ratio.toFixed(2)}`);
        line('keystroke to painted result', `${keys.keystroke.toFixed(2)} ms`,
            `<= ${goals.frameMs.toFixed(1)} ms`, keys.keystroke <= goals.frameMs);
        console.log(`${''.padEnd(34)}the one-field page: ${fieldKey.toFixed(2)} ms`);
        line('Calculate (Enter) to painted', `${keys.calculate.toFixed(2)} ms`,
            `<= ${goals.frameMs.toFixed(1)} ms`, keys.calculate <= goals.frameMs);
        if (keys.values[0] !== '80.02') {
            console.log(`the sheet did not calculate: minimum crosshead clearance "${keys.values[0]}"`);
            failed = true;
        }
    } finally {
        await browser.close();
        siteServer.kill();
        fieldServer.kill();
        fs.rmSync(bench, { recursive: true, force: true });
    }
    if (failed && checkGoals) process.exit(1);
})().catch((error) => {
    console.error(error);
    process.exit(1);
});
