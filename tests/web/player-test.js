// TARNWICK_SITE=SITE_DIR node --test tests/web/player-test.js: plays the
// scenario files (all, or those TARNWICK_SCENARIOS names) through the real
// page as a user does: keys into the focused field, clicks on commands,
// options and menu leaves, each dialog answered by clicking its buttons, the
// browser's print dialog standing in for the print dialog. Every file in
// chromium, the scenarios of `everyEngine` in Firefox and WebKit too. Each
// expectation is checked against the page, the working in the Working view;
// what the page cannot show (the printer's state, the sheet's values behind
// the screen, the report's line items, the window's close box) is skipped
// and counted by kind.
'use strict';

const { test, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { served, chromiumTab, firefox, webkit, pause } = require('./drivers.js');

const scenarioDir = path.join(__dirname, '..', 'scenarios');
const files = process.env.TARNWICK_SCENARIOS ? process.env.TARNWICK_SCENARIOS.split(' ')
    : fs.readdirSync(scenarioDir).filter((f) => f.endsWith('.scenario')).sort().map((f) => path.join(scenarioDir, f));
// The scenarios that Firefox and WebKit play too, by file and name.
const everyEngine = {
    'case-plain.scenario': ['One at 700 ft/min, a whole session: Enter, both cautions, Max Runby, Metric, Spring and Exit'],
    'working.scenario': ['The Working menu shows the working as its lines, and prints it'],
};

// The words of every scenario line and whether each was quoted, through the
// program's own reading of them in the page.
let words = null;
async function read() {
    const d = await chromiumTab({ serviceWorkers: 'block' });
    try {
        await d.goto((await served()).url);
        await d.page.waitForSelector('body[data-ready=true]');
        const all = files.flatMap((file) => fs.readFileSync(file, 'utf8').split('\n'));
        const seen = await d.page.evaluate((lines) => lines.map((l) => JSON.parse(tarnwickPage.module.scenarioWords(l))), all);
        words = new Map(all.map((text, i) => [text, seen[i]]));
    } finally {
        await d.close();
    }
}

// The scenarios of a file, each with its numbered lines of words.
function scenariosOf(file) {
    const scenarios = [];
    fs.readFileSync(file, 'utf8').split('\n').forEach((text, i) => {
        const got = words.get(text);
        if (got.error) throw new Error(`${got.error}: ${text}`);
        if (!got.words.length) return;
        if (got.words[0] === 'scenario') scenarios.push({ name: got.words[1], lines: [] });
        else scenarios[scenarios.length - 1].lines.push({ n: i + 1, line: got.words, quoted: got.quoted });
    });
    return scenarios;
}

// What the page cannot show, by kind, over the whole run.
const skipped = new Map();
const skip = (kind) => skipped.set(kind, (skipped.get(kind) || 0) + 1);
const skippedKinds = new Set(['printer', 'expect printer', 'expect documents', 'expect pictures', 'expect report-line',
    'expect report-lines', 'expect state', 'dump']);
after(() => {
    const counts = [...skipped].map(([kind, count]) => `${count} ${kind}`).join(', ');
    console.log(`skipped, as the page cannot show them: ${counts || 'nothing'}`);
});

// ---- In the page ---------------------------------------------------------

// Runs in the page: the open dialog as an event, or the next print, or
// null once the program has taken every action.
function pending() {
    const dialog = document.querySelector('dialog[open]');
    if (dialog) {
        const text = (selector) => (dialog.querySelector(selector) || {}).textContent || '';
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
        painted: getComputedStyle(e).backgroundColor,
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

// Runs in the page: the browser's print dialog, answered at once.
function stubPrint() {
    [window.prints, window.printsSeen] = [0, 0];
    window.print = () => ++window.prints && setTimeout(() => window.dispatchEvent(new Event('afterprint')), 0);
}

// ---- Playing -----------------------------------------------------------

const yesNo = (word) => word === 'yes';
const blank = (text) => text.replace(/\s+/g, ' ').trim();
const keys = { Enter: 'Enter', Esc: 'Escape' };
// The colours the page paints for the sheet's.
const paints = { white: 'rgb(255, 255, 255)', yellow: 'rgb(255, 255, 0)', red: 'rgb(255, 0, 0)' };
const nothingCalculated = 'Nothing has been calculated yet.';

async function play(d, scenario) {
    const answers = { message: [], prompt: [], reminder: [], printdialog: [] };
    const events = [];
    const fail = (n, what) => assert.fail(`line ${n}: ${what}`);
    const inPage = (fn, arg) => d.run(`(${fn})(${JSON.stringify(arg)})`);
    const screen = await d.run('tarnwickPage.screen');

    // Answers every dialog the last action opened, recording each, until
    // the program has taken the action whole.
    async function settle() {
        for (const end = Date.now() + 10000; Date.now() < end;) {
            const event = await inPage(pending);
            if (!event) return;
            if (event.kind === 'busy') {
                await pause(5);
                continue;
            }
            events.push(event);
            const answer = answers[event.kind].shift();
            if (event.kind === 'message') {
                await d.click('button', answer || event.default, event.title);
            } else if (event.kind === 'prompt') {
                const typed = answer === undefined || answer.cancel ? null : answer.text;
                if (typed !== null) await d.run(`document.querySelector('dialog[open] input').value = ${JSON.stringify(typed)}`);
                await d.click('button', typed === null ? 'Cancel' : 'OK', event.title);
            } else if (event.kind === 'reminder') {
                const box = 'dialog[open] input[type=checkbox]';
                if (answer === 'tick' || answer === 'tick-untick') await d.click('css', box);
                if (answer === 'tick-untick') await d.click('css', box);
                await d.click('button', 'OK', event.title);
            }
        }
        throw new Error('the page did not settle');
    }

    // Into the element as a user moves there: a click, which selects a
    // field's whole text; in the focused field, the whole text selected again.
    async function into(name) {
        if ((await inPage(look, name)).focus) await d.run(`document.getElementById(${JSON.stringify(name)}).select()`);
        else await d.click('id', name);
    }

    async function clickMenu(name) {
        const chain = [];
        for (let m = screen.names.menus.indexOf(name); m >= 0; m = screen.menus[m].topLevel ? -1 : screen.menus[m].parent) {
            chain.unshift(screen.names.menus[m]);
        }
        for (const item of chain) await d.click('id', item);
    }

    // The working as the Working menu's view shows it, kept until the next
    // action: the lines the program hands the view, which must be the text
    // it shows (where a long line is broken at blanks).
    let working = null;
    async function workingLines() {
        if (working) return working;
        await d.run(`(() => {
            const page = tarnwickPage, show = page.showMessage;
            page.showMessage = (m) => (page.showMessage = show, window.shownWorking = m.prompt, show(m));
        })()`);
        await clickMenu('mnuShowWorking');
        await settle();
        const [view, prompt] = [events.pop() || {}, await d.run('window.shownWorking')];
        assert.deepEqual([view.title, blank(view.prompt || '')], ['Working', blank(prompt)], 'the Working view shows the working');
        working = prompt.startsWith(nothingCalculated) ? [] : prompt.split('\r\n');
        return working;
    }

    for (const { n, line, quoted } of scenario.lines) {
        const [word, ...args] = line;
        const kind = word === 'expect' ? `${word} ${args[0]}` : word;
        if (skippedKinds.has(kind)) {
            skip(kind);
            continue;
        }
        if (!kind.startsWith('expect working')) working = null;
        switch (word) {
            case 'type':
            case 'paste':
            case 'focus': {
                const e = await inPage(look, args[0]);
                if (!e || !e.visible || (word !== 'focus' && e.locked)) fail(n, `${args[0]} cannot be ${word}d into`);
                await into(args[0]);
                if (word === 'focus') break;
                if (args[1] === '') await d.press('Backspace');
                else await (word === 'type' ? d.type(args[1]) : d.paste(args[1]));
                break;
            }
            case 'click': {
                const e = (await inPage(look, args[0])) || fail(n, `no ${args[0]} on the page`);
                if (e.menu) await clickMenu(args[0]);
                else if (!e.enabled || !e.visible) fail(n, `${args[0]} is disabled or hidden`);
                else await d.click('id', args[0]);
                break;
            }
            case 'key':
                await d.press(keys[args[0]] || args[0].replace('Ctrl+', 'Control+'));
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
            case 'printdialog':
                answers[word].push(args[0]);
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
        const event = () => events.shift() || fail(n, `expect ${what}: no event`);
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
            case 'prompt':
            case 'reminder':
            case 'printdialog': {
                const e = event();
                const seen = { prompt: [e.title, e.prompt], reminder: [e.orientation], printdialog: [] }[what];
                assert.deepEqual([e.kind, ...(seen || [])], [what, ...rest], at);
                return;
            }
            case 'no-event':
                assert.deepEqual(events, [], at);
                return;
            case 'closed':
                assert.equal(await d.run("document.getElementById('closed').getClientRects().length > 0"), yesNo(rest[0]), at);
                return;
            case 'working-lines':
                assert.equal((await workingLines()).length, Number(rest[0]), at);
                return;
            case 'working-line': {
                const [number, text] = rest;
                const found = (await workingLines())[Number(number) - 1];
                if (text.endsWith('*')) assert.equal(found && found.slice(0, text.length - 1), text.slice(0, -1), `${at} ${number}`);
                else assert.equal(found, text, `${at} ${number}`);
                return;
            }
            case 'working-has':
                assert.ok((await workingLines()).some((l) => l.includes(rest[0])), `${at} ${JSON.stringify(rest[0])}`);
                return;
            default:
        }
        const [name, value] = rest;
        const e = (await inPage(look, name)) || fail(n, `no ${name} on the page`);
        if (e.menu && (what === 'enabled' || what === 'caption')) {
            skip(`expect ${what} of a menu`);
            return;
        }
        // A tooltip is shown with its blanks run together.
        if (what === 'tooltip') {
            assert.equal(blank(e.tooltip), blank(value), `${at} ${name}`);
            return;
        }
        if (what === 'colour' && paints[value]) assert.equal(e.painted, paints[value], `${at} ${name}, as painted`);
        const wanted = ['enabled', 'visible', 'locked', 'tabstop', 'selected', 'focus'].includes(what)
            ? (what === 'focus' ? true : yesNo(value)) : value;
        assert.equal(e[what], wanted, `${at} ${name}`);
    }
}

// A scenario on a fresh sheet of `d`'s at `url`.
async function fresh(d, url, scenario) {
    await d.goto(url);
    for (const end = Date.now() + 15000; !(await d.run('document.body.dataset.ready === "true"')); await pause()) {
        if (Date.now() > end) throw new Error('the sheet is not ready');
    }
    await d.run(`(${stubPrint})()`);
    await play(d, scenario);
}

test('every scenario file through the page in chromium', { concurrency: 2 }, async (t) => {
    const { url } = await served();
    await read();
    await Promise.all(files.map((file) => t.test(path.basename(file), { concurrency: 1 }, async (f) => {
        for (const scenario of scenariosOf(file)) {
            await f.test(scenario.name, async () => {
                const d = await chromiumTab({ viewport: { width: 1100, height: 850 }, serviceWorkers: 'block' });
                try {
                    await fresh(d, url, scenario);
                } finally {
                    await d.close();
                }
            });
        }
    })));
});

for (const open of [firefox, webkit]) {
    test(`the scenarios of every engine in ${open.name}`, async (t) => {
        if (!words) await read();
        const d = await open();
        try {
            await d.viewport(1100, 850);
            for (const file of files.filter((f) => everyEngine[path.basename(f)])) {
                for (const scenario of scenariosOf(file).filter((s) => everyEngine[path.basename(file)].includes(s.name))) {
                    await t.test(scenario.name, async () => fresh(d, (await served()).url, scenario));
                }
            }
        } finally {
            await d.close();
        }
    });
}
