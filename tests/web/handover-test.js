// TARNWICK_SITE=SITE_DIR node --test tests/web/handover-test.js: the user
// types from the first paint while the WebAssembly is still on its way. The
// site is served with tarnwick.wasm held back from 0 to 1,000 ms, so that the
// program starts before, during and after the typing; every load must keep
// each entry whole in its own field, converted, with the focus where the user
// left it (or where Calculate, pressed before the program was there, puts
// it). In Chromium at every delay, by the keyboard and by taps at phone
// width; in Firefox and WebKit at a few. Commands pressed again and again
// before the program is there run once.
'use strict';

const { test } = require('node:test');
const assert = require('node:assert/strict');
const { served, chromiumTab, firefox, webkit, pause } = require('./drivers.js');
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

// Waits until the page shows `ids` (see shown()).
async function settled(d, ids, what) {
    for (const end = Date.now() + 15000; Date.now() < end; await pause(20)) {
        const value = await d.run(`(${shown})(${JSON.stringify(ids)})`);
        if (value !== null) return value;
    }
    throw new Error(`${what}: the program did not catch up`);
}

// A tab at the site with tarnwick.wasm `delay` ms late (and held until
// `gate` settles), as first painted: the focus on the rated speed, where the
// user types once the caret shows (the autofocus may come a frame after the
// load). Each load has a server of its own: a fresh origin, with no kept sheet.
async function firstPaint(d, delay, gate = null) {
    const server = await served();
    const [handler] = server.listeners('request');
    server.removeAllListeners('request');
    server.on('request', (request, response) => {
        if (!request.url.endsWith('/tarnwick.wasm')) return handler(request, response);
        Promise.all([pause(delay), gate]).then(() => handler(request, response));
    });
    await d.goto(server.url);
    for (const end = Date.now() + 15000; !(await d.run("document.activeElement.id === 'txtImpSpeed'")); await pause(5)) {
        if (Date.now() > end) throw new Error('no focus on the rated speed');
    }
}

// The worked example with Tab and Enter from the first paint, its cautions
// answered with Enter as they come.
async function byKeyboard(d, delay) {
    await firstPaint(d, delay);
    for (const [i, [, text]] of entries.entries()) {
        if (i > 0) await d.press('Tab');
        await d.type(text);
    }
    await d.press('Enter');
    for (const caution of cautions) {
        assert.equal((await settled(d, [], `${delay} ms`)).dialog, caution, `${delay} ms: the caution`);
        await d.press('Enter');
    }
    assert.deepEqual(await settled(d, Object.keys(calculated), `${delay} ms`),
        { fields: calculated, focus: 'txtCrossMea', dialog: null });
}

// `body` in a chromium tab of its own, at phone width by touch when asked.
async function inTab(phone, body) {
    const d = await chromiumTab({ viewport: phone ? { width: 390, height: 844 } : { width: 1100, height: 850 },
        hasTouch: phone, isMobile: phone, serviceWorkers: 'block' });
    try {
        await body(d);
    } finally {
        await d.close();
    }
}

test('Chromium: typed with Tab and Enter from the first paint', { concurrency: 3 }, (t) =>
    Promise.all(delays.map((delay) => t.test(`tarnwick.wasm ${delay} ms late`, () => inTab(false, (d) => byKeyboard(d, delay))))));

test('Chromium: typed into each field tapped at phone width', { concurrency: 3 }, (t) =>
    Promise.all(delays.map((delay) => t.test(`tarnwick.wasm ${delay} ms late`, () => inTab(true, async (d) => {
        await firstPaint(d, delay);
        for (const [id, text] of entries) {
            await d.click('id', id);
            await d.type(text);
        }
        assert.deepEqual(await settled(d, Object.keys(typed), `${delay} ms`), { fields: typed, focus: 'txtImpStroke', dialog: null });
    })))));

test('Chromium: Calculate tapped 20 times and Enter pressed 10 times before the program, one message', () =>
    inTab(true, async (d) => {
        let release;
        await firstPaint(d, 0, new Promise((resolve) => (release = resolve)));
        for (let i = 0; i < 20; ++i) await d.click('id', 'cmdCalculate');
        for (let i = 0; i < 10; ++i) await d.press('Enter');
        release();
        assert.equal((await settled(d, [], 'the burst')).dialog, '?Have you made a positive entry in every field?');
        await d.press('Enter');
        await pause(300);
        assert.deepEqual(await settled(d, [], 'after the message'), { fields: {}, focus: 'txtImpSpeed', dialog: null });
    }));

for (const open of [firefox, webkit]) {
    test(`${open.name}: typed with Tab and Enter from the first paint`, async (t) => {
        const d = await open();
        try {
            for (const delay of [0, 250, 600, 1000]) await t.test(`tarnwick.wasm ${delay} ms late`, () => byKeyboard(d, delay));
        } finally {
            await d.close();
        }
    });
}
