// TARNWICK_SITE=SITE_DIR node --test tests/web/handover-test.js: the user types from the first
// paint while the WebAssembly is still on its way. The site is served with
// tarnwick.wasm held back from 0 to 1,000 ms, so that the program starts
// before, during and after the typing; every load must keep each entry
// whole in its own field, converted, with the focus where the user left it
// (or where Calculate, pressed before the program was there, puts it). In
// Chromium at every delay, by the keyboard and by taps at phone width; in
// Firefox and WebKit at a few. Commands pressed again and again before the
// program is there run once.
'use strict';

const { test } = require('node:test');
const assert = require('node:assert/strict');
const { served, chromium, firefox, webkit, pause } = require('./drivers.js');
const { cautions } = require('./session.js');

const delays = Array.from({ length: 21 }, (_, i) => i * 50);
const entries = [['txtImpSpeed', '700'], ['txtImpRunby', '6'], ['txtImpRunbyCar', '6'], ['txtImpStroke', '33.25']];
// The entries as the sheet holds them, with their converted twins.
const typed = { txtImpSpeed: '700', txtMetSpeed: '3.56', txtImpRunby: '6', txtMetRunby: '152.40',
    txtImpRunbyCar: '6', txtMetRunbyCar: '152.40', txtImpStroke: '33.25', txtMetStroke: '844.55' };
const calculated = { ...typed, txtImpMinStroke: '33.25', txtImpMaxJump: '56.02', txtImpMinCrosshead: '80.02' };

// Runs in the page: the figures asked for, the focus, and the open dialog's
// text, once the program has taken every action or waits for the dialog's
// answer (or null before).
function shown(ids) {
    const page = window.tarnwickPage;
    const dialog = document.querySelector('dialog[open] .body');
    if (document.body.dataset.ready !== 'true' || (page.busy() && !dialog)) return null;
    const fields = Object.fromEntries(ids.map((id) => [id, document.getElementById(id).value]));
    return { fields, focus: document.activeElement.id, dialog: dialog ? dialog.textContent.trim() : null };
}

// Waits until `probe` gives a value that is not null.
async function settled(probe, what) {
    for (const end = Date.now() + 15000; Date.now() < end; await pause(20)) {
        const value = await probe();
        if (value !== null) return value;
    }
    throw new Error(`${what}: the program did not catch up`);
}

// The cautions of the worked example, answered with Enter as they come;
// then the sheet.
async function calculatedSheet(probe, press, what) {
    for (const caution of cautions) {
        const seen = await settled(probe, what);
        assert.equal(seen.dialog, caution, `${what}: the caution`);
        await press('Enter');
    }
    return settled(probe, what);
}

let baseURL;
let browser;
test.before(async () => {
    baseURL = (await served()).url;
    browser = await chromium();
});

// A fresh tab whose tarnwick.wasm arrives `delay` ms after it is asked for
// (held until `gate` settles, when given), open on the sheet as first
// painted, the focus on the rated speed.
async function load(delay, { phone = false, gate = null } = {}) {
    const context = await browser.newContext({
        viewport: phone ? { width: 390, height: 844 } : { width: 1100, height: 850 },
        hasTouch: phone,
        isMobile: phone,
        baseURL,
        serviceWorkers: 'block',
    });
    const page = await context.newPage();
    page.on('dialog', (dialog) => dialog.accept());
    await page.route('**/tarnwick.wasm', async (route) => {
        await Promise.all([pause(delay), gate]);
        await route.continue();
    });
    await page.goto('/', { waitUntil: 'commit' });
    await page.waitForFunction(() => document.activeElement && document.activeElement.id === 'txtImpSpeed');
    const probe = (ids) => page.evaluate(shown, ids);
    return { page, context, probe };
}

test('Chromium: typed with Tab and Enter from the first paint', { concurrency: 3 }, async (t) => {
    await Promise.all(delays.map((delay) =>
        t.test(`tarnwick.wasm ${delay} ms late`, async () => {
            const { page, context, probe } = await load(delay);
            try {
                for (const [i, [, text]] of entries.entries()) {
                    if (i > 0) await page.keyboard.press('Tab');
                    await page.keyboard.type(text);
                }
                await page.keyboard.press('Enter');
                const sheet = await calculatedSheet(() => probe(Object.keys(calculated)),
                    (key) => page.keyboard.press(key), `${delay} ms`);
                assert.deepEqual(sheet, { fields: calculated, focus: 'txtCrossMea', dialog: null });
            } finally {
                await context.close();
            }
        })));
});

test('Chromium: typed into each field tapped at phone width', { concurrency: 3 }, async (t) => {
    await Promise.all(delays.map((delay) =>
        t.test(`tarnwick.wasm ${delay} ms late`, async () => {
            const { page, context, probe } = await load(delay, { phone: true });
            try {
                for (const [id, text] of entries) {
                    await page.tap(`#${id}`);
                    await page.keyboard.type(text);
                }
                const sheet = await settled(() => probe(Object.keys(typed)), `${delay} ms`);
                assert.deepEqual(sheet, { fields: typed, focus: 'txtImpStroke', dialog: null });
            } finally {
                await context.close();
            }
        })));
});

test('Chromium: Calculate tapped 20 times and Enter pressed 10 times before the program, one message', async () => {
    let release;
    const gate = new Promise((resolve) => (release = resolve));
    const { page, context, probe } = await load(0, { phone: true, gate });
    try {
        for (let i = 0; i < 20; ++i) await page.tap('#cmdCalculate');
        for (let i = 0; i < 10; ++i) await page.keyboard.press('Enter');
        release();
        const seen = await settled(() => probe([]), 'the burst');
        assert.equal(seen.dialog, '?Have you made a positive entry in every field?');
        await page.keyboard.press('Enter');
        await pause(300);
        assert.deepEqual(await settled(() => probe([]), 'after the message'),
            { fields: {}, focus: 'txtImpSpeed', dialog: null });
    } finally {
        await context.close();
    }
});

// Firefox and WebKit through their drivers, at a few delays: the site is
// served through a server of its own for each, which holds tarnwick.wasm
// back (a fresh origin, so that no kept sheet carries over).
async function heldBack(delay) {
    const server = await served();
    const [handler] = server.listeners('request');
    server.removeAllListeners('request');
    server.on('request', (request, response) => {
        if (request.url.endsWith('/tarnwick.wasm')) setTimeout(() => handler(request, response), delay);
        else handler(request, response);
    });
    return server;
}

for (const [name, start] of [['Firefox', firefox], ['WebKit', webkit]]) {
    test(`${name}: typed with Tab and Enter from the first paint`, async (t) => {
        const d = await start();
        try {
            for (const delay of [0, 250, 600, 1000]) {
                await t.test(`tarnwick.wasm ${delay} ms late`, async () => {
                    await d.goto((await heldBack(delay)).url);
                    // The user types once the rated speed shows the caret:
                    // the page's autofocus may come a frame after the load.
                    await settled(() => d.run("document.activeElement.id === 'txtImpSpeed' || null"), name);
                    for (const [i, [, text]] of entries.entries()) {
                        if (i > 0) await d.press('Tab');
                        await d.type(text);
                    }
                    await d.press('Enter');
                    const probe = () => d.run(`(${shown})(${JSON.stringify(Object.keys(calculated))})`);
                    const sheet = await calculatedSheet(probe, (key) => d.press(key), `${name}, ${delay} ms`);
                    assert.deepEqual(sheet, { fields: calculated, focus: 'txtCrossMea', dialog: null });
                });
            }
        } finally {
            await d.close();
        }
    });
}
