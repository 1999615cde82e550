// TARNWICK_SITE=SITE_DIR node --test tests/web/keep-test.js: the tab keeps
// its session, and says when it cannot. With the tab's storage blocked or full the page goes on
// calculating and the line under the sheet says that a reload would lose
// the sheet; a text far past a field's maximum, set by a script, is cut as
// the field cuts it, and a reload brings back what the field kept; a damaged
// record plays as far as it goes.
'use strict';

const { test, before } = require('node:test');
const assert = require('node:assert/strict');
const { served, chromium } = require('./drivers.js');
const { script } = require('./session.js');

let baseURL;
let browser;
before(async () => {
    baseURL = (await served()).url;
    browser = await chromium();
});

// A tab with `storage` run in it before the page's own scripts, the rated
// speed typed; returns the page once the program has taken it.
async function typed(storage) {
    const context = await browser.newContext({ baseURL, serviceWorkers: 'block' });
    if (storage) await context.addInitScript(storage);
    const page = await context.newPage();
    page.on('dialog', (dialog) => dialog.accept());
    await page.goto('/');
    await page.waitForSelector('body[data-ready=true]');
    await page.keyboard.type('700');
    await page.waitForFunction(() => !tarnwickPage.busy() && txtMetSpeed.value === '3.56');
    return page;
}

const notKept = /^This sheet is not kept in this tab: .*\. A reload would lose it\.$/;
const status = (page) => page.waitForFunction(() => document.getElementById('kept-status').textContent)
    .then(() => page.locator('#kept-status').textContent());

test('storage blocked: the sheet calculates and says it is not kept', async () => {
    const page = await typed(() => Object.defineProperty(window, 'sessionStorage', {
        get() {
            throw new DOMException('blocked', 'SecurityError');
        },
    }));
    assert.match(await status(page), notKept);
    await page.context().close();
});

test('storage full: the failed write is said, and tried again on the next change', async () => {
    const page = await typed(() => {
        window.storageFull = true;
        const setItem = Storage.prototype.setItem;
        Storage.prototype.setItem = function (...args) {
            if (window.storageFull) throw new DOMException('full', 'QuotaExceededError');
            return setItem.apply(this, args);
        };
    });
    assert.match(await status(page), /QuotaExceededError/);
    await page.evaluate(() => (window.storageFull = false));
    await page.keyboard.press('Tab');
    await page.keyboard.type('6');
    await page.waitForFunction(() => !document.getElementById('kept-status').textContent);
    assert.match(await page.evaluate(() => sessionStorage.getItem('tarnwick-session')), /type txtImpRunby "6"/);
    await page.context().close();
});

test('a 100 KB text set by a script is cut to the field, kept and brought back', async () => {
    const page = await typed(null);
    await page.evaluate(() => {
        txtID.focus();
        txtID.value = 'X'.repeat(100000);
        txtID.dispatchEvent(new Event('input', { bubbles: true }));
    });
    await page.waitForFunction(() => !tarnwickPage.busy() && txtID.value.length === 35);
    await page.reload();
    await page.waitForSelector('body[data-ready=true]');
    assert.deepEqual(
        await page.evaluate(() => [txtImpSpeed.value, txtID.value, document.getElementById('kept-status').textContent]),
        ['700', 'X'.repeat(35), '']);
    await page.context().close();
});

test('a damaged record plays as far as it goes, here not at all, and says so', async () => {
    const page = await typed(null);
    const state = () => page.evaluate(script('return [...sheetState(), document.querySelectorAll("dialog").length];'));
    await page.evaluate(() => sessionStorage.clear());
    await page.reload();
    await page.waitForSelector('body[data-ready=true]');
    const empty = await state();
    await page.evaluate(() => sessionStorage.setItem('tarnwick-session', 'type txtImpSpeed "7'));
    // No message, no page error: the sheet starts empty, and the line under it says why.
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.reload();
    await page.waitForSelector('body[data-ready=true]');
    assert.deepEqual(await state(), empty);
    assert.match(await status(page), /^The sheet kept in this tab was restored up to line 1 of its record: /);
    assert.deepEqual(errors, []);
    await page.context().close();
});
