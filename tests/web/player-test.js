// node tests/web/player-test.js SITE_DIR [FILE...]: plays scenario files
// (default: every file under tests/scenarios/) through the real page in
// Debian's chromium, as a user does: keys into the focused field, clicks on
// commands, options and menu leaves, each dialog answered by clicking its
// buttons, the browser's print dialog standing in for the print dialog. Each
// expectation is checked against the page. What the page cannot show (the
// printer's state, the sheet's values behind the screen, the report's line
// items, the window's close box) is skipped and counted by kind.
'use strict';

const { test, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { serve } = require('../../ui/web/serve.js');
const { chromium, pause } = require('./drivers.js');

const [site, ...named] = process.argv.slice(2);
if (!site) {
    console.error('usage: node tests/web/player-test.js SITE_DIR [FILE...]');
    process.exit(2);
}
const root = path.join(__dirname, '..', '..');
const scenarioDir = path.join(root, 'tests', 'scenarios');
const files = named.length ? named
    : fs.readdirSync(scenarioDir).filter((f) => f.endsWith('.scenario')).sort().map((f) => path.join(scenarioDir, f));

// The words of a scenario line and whether each was quoted, through the
// program's own reading of them.
let read = null;

// The scenarios of a file, each with its numbered lines of words.
function scenariosOf(file) {
    const scenarios = [];
    fs.readFileSync(file, 'utf8').split('\n').forEach((text, i) => {
        const { words: line, quoted } = read(text);
        if (!line.length) return;
        if (line[0] === 'scenario') scenarios.push({ name: line[1], lines: [] });
        else scenarios[scenarios.length - 1].lines.push({ n: i + 1, line, quoted });
    });
    return scenarios;
}

// What the page cannot show, by kind, over the whole run.
const skipped = new Map();
const skip = (kind) => skipped.set(kind, (skipped.get(kind) || 0) + 1);
const skippedKinds = {
    printer: 'the headless printer\'s font',
    'expect printer': 'the printer\'s font',
    'expect documents': 'the printer\'s documents',
    'expect pictures': 'the printer\'s pictures',
    'expect report-line': 'the report\'s line items',
    'expect report-lines': 'the report\'s line items',
    'expect state': 'the sheet\'s values behind the screen',
    // Until the page shows the working.
    'expect working-lines': 'the working',
    'expect working-line': 'the working',
    'expect working-has': 'the working',
    dump: 'the sheet dumped',
};

// ---- In the page ---------------------------------------------------------

// Runs in the page: the open dialog as an event, or the next print, or
// null once the program has taken every action.
function pending() {
    const dialog = document.querySelector('dialog[open]');
    if (dialog) {
        const text = (selector) => {
            const e = dialog.querySelector(selector);
            return e ? e.textContent : '';
        };
        const buttons = [...dialog.querySelectorAll('.buttons button')];
        const kind = dialog.classList.contains('prompt-box') ? 'prompt'
            : dialog.classList.contains('reminder') ? 'reminder' : 'message';
        return {
            kind,
            icon: dialog.dataset.icon || 'none',
            buttons: buttons.map((b) => b.textContent),
            default: (buttons.find((b) => b.classList.contains('default')) || {}).textContent || '',
            title: text('h2'),
            prompt: kind === 'prompt' ? text('label') : text('.prompt'),
            orientation: dialog.dataset.orientation || '',
        };
    }
    if (window.printsSeen < window.prints) {
        ++window.printsSeen;
        return { kind: 'printdialog' };
    }
    return document.body.dataset.ready === 'true' && !window.tarnwickPage.busy() ? null : { kind: 'busy' };
}

// Runs in the page: what an expectation looks at, of one element.
function look(name) {
    const e = document.getElementById(name);
    if (!e) return null;
    const caption = e.classList.contains('label') ? e : e.querySelector('.caption');
    const off = e.disabled || e.getAttribute('aria-disabled') === 'true' || e.classList.contains('disabled');
    return {
        text: e.value,
        selection: e.tagName === 'INPUT' ? e.value.slice(e.selectionStart, e.selectionEnd) : '',
        colour: e.dataset.colour,
        focus: document.activeElement === e,
        enabled: !off,
        visible: !e.classList.contains('hidden') && e.getClientRects().length > 0,
        locked: e.readOnly,
        tabstop: e.dataset.tabStop === 'true',
        selected: e.getAttribute('aria-checked') === 'true',
        caption: caption ? caption.dataset.caption || '' : '',
        tooltip: e.getAttribute('title') || '',
        menu: e.getAttribute('role') === 'menuitem',
    };
}

// ---- Playing -----------------------------------------------------------

const yesNo = (word) => word === 'yes';
const blank = (text) => text.replace(/\s+/g, ' ').trim();
const keys = { Enter: 'Enter', Esc: 'Escape' };

async function play(page, scenario) {
    const answers = { message: [], prompt: [], reminder: [], printdialog: [] };
    const events = [];
    const fail = (n, what) => {
        throw new Error(`line ${n}: ${what}`);
    };

    // Answers every dialog the last action opened, recording each, until
    // the program has taken the action whole.
    async function settle() {
        for (const end = Date.now() + 10000; Date.now() < end;) {
            const event = await page.evaluate(pending);
            if (!event) return;
            if (event.kind === 'busy') {
                await pause(5);
                continue;
            }
            events.push(event);
            const answer = answers[event.kind].shift();
            const dialog = page.locator('dialog[open]');
            if (event.kind === 'message') {
                const caption = answer ? answer : event.default;
                await dialog.getByRole('button', { name: caption, exact: true }).click();
            } else if (event.kind === 'prompt') {
                if (answer === undefined || answer.cancel) {
                    await dialog.getByRole('button', { name: 'Cancel', exact: true }).click();
                } else {
                    await dialog.locator('input').fill(answer.text);
                    await dialog.getByRole('button', { name: 'OK', exact: true }).click();
                }
            } else if (event.kind === 'reminder') {
                const box = dialog.locator('input[type=checkbox]');
                if (answer === 'tick' || answer === 'tick-untick') await box.click();
                if (answer === 'tick-untick') await box.click();
                await dialog.getByRole('button', { name: 'OK', exact: true }).click();
            }
        }
        throw new Error('the page did not settle');
    }

    // Into the field as a user moves there: a click, which selects its
    // whole text; in the focused field, the whole text selected again.
    async function into(n, name) {
        const e = await page.evaluate(look, name);
        if (!e || e.locked || !e.visible) fail(n, `${name} cannot be typed in`);
        if (e.focus) await page.locator(`[id="${name}"]`).selectText();
        else await page.locator(`[id="${name}"]`).click();
    }

    async function clickMenu(name, screen) {
        const id = screen.names.menus.indexOf(name);
        const chain = [];
        for (let m = id; m >= 0 && m !== undefined; m = screen.menus[m].topLevel ? -1 : screen.menus[m].parent) {
            chain.unshift(screen.names.menus[m]);
        }
        for (const item of chain) await page.locator(`[id="${item}"]`).click();
    }

    const screen = await page.evaluate(() => tarnwickPage.screen);
    for (const { n, line, quoted } of scenario.lines) {
        const [word, ...args] = line;
        const two = `${word} ${args[0]}`;
        if (word === 'expect' && skippedKinds[two]) {
            skip(two);
            continue;
        }
        if (skippedKinds[word]) {
            skip(word);
            continue;
        }
        switch (word) {
            case 'type':
            case 'paste': {
                await into(n, args[0]);
                if (args[1] === '') await page.keyboard.press('Backspace');
                else if (word === 'type') await page.keyboard.type(args[1]);
                else await page.keyboard.insertText(args[1]);
                break;
            }
            case 'focus': {
                const e = await page.evaluate(look, args[0]);
                if (!e || !e.visible) fail(n, `${args[0]} is hidden`);
                // Moving into the field selects its whole text.
                if (e.focus) await page.locator(`[id="${args[0]}"]`).selectText();
                else await page.locator(`[id="${args[0]}"]`).click();
                break;
            }
            case 'click': {
                const e = await page.evaluate(look, args[0]);
                if (!e) fail(n, `no ${args[0]} on the page`);
                if (e.menu) await clickMenu(args[0], screen);
                else if (!e.enabled || !e.visible) fail(n, `${args[0]} is disabled or hidden`);
                else await page.locator(`[id="${args[0]}"]`).click();
                break;
            }
            case 'key':
                await page.keyboard.press(keys[args[0]] || args[0].replace('Ctrl+', 'Control+'));
                break;
            case 'close':
                // The page has no close box of its own: the rest of the
                // scenario is the desktop's.
                skip('close');
                return;
            case 'answer':
                answers.message.push(args[0]);
                continue;
            case 'prompt':
                answers.prompt.push(args[0] === 'cancel' && !quoted[1] ? { cancel: true } : { text: args[0] });
                continue;
            case 'reminder':
                answers.reminder.push(args[0]);
                continue;
            case 'printdialog':
                answers.printdialog.push(args[0]);
                continue;
            case 'expect':
                await expect(n, args);
                continue;
            default:
                fail(n, `unknown command ${word}`);
        }
        await settle();
    }
    for (const [kind, left] of Object.entries(answers)) {
        if (left.length) throw new Error(`end: ${left.length} ${kind} answer(s) never used`);
    }
    if (events.length) throw new Error(`end: ${events.length} event(s) never expected, the first ${JSON.stringify(events[0])}`);

    async function expect(n, [what, ...rest]) {
        const at = `line ${n}: expect ${what}`;
        const event = () => {
            const e = events.shift();
            if (!e) fail(n, `expect ${what}: no event`);
            return e;
        };
        switch (what) {
            case 'message': {
                const [icon, buttons, title, prompt] = rest;
                const e = event();
                const set = buttons === 'ok' ? ['OK'] : ['Yes', 'No', 'Cancel'];
                const def = buttons === 'ok' ? 'OK' : buttons.split(':')[1].replace(/^./, (c) => c.toUpperCase());
                assert.deepEqual([e.kind, e.icon, e.buttons, e.default, e.title, blank(e.prompt)],
                    ['message', icon, set, def, title, blank(prompt)], at);
                return;
            }
            case 'prompt': {
                const e = event();
                assert.deepEqual([e.kind, e.title, e.prompt], ['prompt', rest[0], rest[1]], at);
                return;
            }
            case 'reminder': {
                const e = event();
                assert.deepEqual([e.kind, e.orientation], ['reminder', rest[0]], at);
                return;
            }
            case 'printdialog':
                assert.equal(event().kind, 'printdialog', at);
                return;
            case 'no-event':
                assert.deepEqual(events, [], at);
                return;
            case 'closed':
                assert.equal(await page.locator('#closed').isVisible(), yesNo(rest[0]), at);
                return;
            default:
        }
        const [name, value] = rest;
        const e = await page.evaluate(look, name);
        if (!e) fail(n, `no ${name} on the page`);
        if (e.menu && (what === 'enabled' || what === 'caption')) {
            skip(`expect ${what} of a menu`);
            return;
        }
        // A tooltip is shown with its blanks run together.
        if (what === 'tooltip') {
            assert.equal(blank(e.tooltip), blank(value), `${at} ${name}`);
            return;
        }
        const wanted = ['enabled', 'visible', 'locked', 'tabstop', 'selected', 'focus'].includes(what)
            ? (what === 'focus' ? true : yesNo(value)) : value;
        assert.equal(e[what], wanted, `${at} ${name}`);
    }
}

// ---- The run -----------------------------------------------------------

let server;
let browser;
let baseURL;

async function start() {
    server = await serve(site, 0, '127.0.0.1');
    baseURL = `http://127.0.0.1:${server.address().port}`;
    browser = await chromium();
    // The words of a line as the program reads them.
    const context = await browser.newContext({ baseURL, serviceWorkers: 'block' });
    const reader = await context.newPage();
    await reader.goto('/');
    await reader.waitForSelector('body[data-ready=true]');
    const all = files.flatMap((file) => fs.readFileSync(file, 'utf8').split('\n'));
    const seen = await reader.evaluate((lines) => lines.map((l) => JSON.parse(tarnwickPage.module.scenarioWords(l))), all);
    const byText = new Map(all.map((text, i) => [text, seen[i]]));
    read = (text) => {
        const got = byText.get(text);
        if (got.error) throw new Error(`${got.error}: ${text}`);
        return got;
    };
    await context.close();
}

after(async () => {
    if (browser) await browser.close();
    if (server) {
        server.closeAllConnections();
        server.close();
    }
    const counts = [...skipped].map(([kind, count]) => `${count} ${kind}`).join(', ');
    console.log(`skipped, as the page cannot show them: ${counts || 'nothing'}`);
});

test('scenario files through the page', { concurrency: 2 }, async (t) => {
    await start();
    await Promise.all(files.map((file) => t.test(path.basename(file), { concurrency: 1 }, async (f) => {
        for (const scenario of scenariosOf(file)) {
            await f.test(scenario.name, async () => {
                const context = await browser.newContext({ viewport: { width: 1100, height: 850 }, baseURL,
                    serviceWorkers: 'block' });
                // The browser's print dialog, answered at once.
                await context.addInitScript(() => {
                    window.prints = 0;
                    window.printsSeen = 0;
                    window.print = () => {
                        ++window.prints;
                        setTimeout(() => window.dispatchEvent(new Event('afterprint')), 0);
                    };
                });
                const page = await context.newPage();
                page.on('dialog', (dialog) => dialog.accept());
                try {
                    await page.goto('/');
                    await page.waitForSelector('body[data-ready=true]');
                    await play(page, scenario);
                } finally {
                    await context.close();
                }
            });
        }
    })));
});
