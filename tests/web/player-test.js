// TARNWICK_SITE=SITE_DIR node --test tests/web/player-test.js: plays the
// scenario files (all, or those TARNWICK_SCENARIOS names) through the page as
// a user does, each dialog answered by clicking its buttons, the browser's
// print dialog standing in for the print dialog: every file in chromium,
// those of `everyEngine` in Firefox and WebKit too. Expectations are checked
// in the page (the working in the Working view, a report once the scenario
// names all its lines), and at the end a reload must bring the sheet back;
// what the page cannot show (the printer, the values behind the screen, the
// window's close box) is skipped and counted by kind.
'use strict';

const { test, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { served, chromiumTab, firefox, webkit, pause } = require('./drivers.js');
const { session } = require('./session.js');

const scenarioDir = path.join(__dirname, '..', 'scenarios');
const files = process.env.TARNWICK_SCENARIOS ? process.env.TARNWICK_SCENARIOS.split(' ')
    : fs.readdirSync(scenarioDir).filter((f) => f.endsWith('.scenario')).sort().map((f) => path.join(scenarioDir, f));
// The scenarios that Firefox and WebKit play too.
const everyEngine = ['One at 700 ft/min, a whole session: Enter, both cautions, Max Runby, Metric, Spring and Exit',
    'One: runbys over the maxima, short stroke, nothing measured', 'One: Max Runby after the measured clearances are typed',
    'The Working menu shows the working as its lines, and prints it'];

// The scenarios of every file, each with its numbered lines of words, as the
// program reads them in the page (with whether each word was quoted).
let scenarios = null;
async function read() {
    const d = await chromiumTab({ serviceWorkers: 'block' });
    await session(d).open((await served()).url);
    scenarios = new Map();
    for (const file of files) {
        const lines = fs.readFileSync(file, 'utf8').split('\n');
        const read = await d.page.evaluate((all) => all.map((l) => JSON.parse(tarnwickPage.module.scenarioWords(l))), lines);
        const ofFile = [];
        read.forEach(({ words, quoted, error }, i) => {
            if (error) throw new Error(`${file}:${i + 1}: ${error}`);
            if (words[0] === 'scenario') ofFile.push({ name: words[1], lines: [] });
            else if (words.length) ofFile[ofFile.length - 1].lines.push({ n: i + 1, line: words, quoted });
        });
        scenarios.set(file, ofFile);
    }
    await d.close();
}

// What the page cannot show, by kind, over the whole run.
const skipped = new Map();
const skip = (kind, count = 1) => count && skipped.set(kind, (skipped.get(kind) || 0) + count);
const skippedKinds = new Set(['printer', 'expect printer', 'expect documents', 'expect pictures', 'expect state', 'dump']);
after(() => console.log(`skipped, as the page cannot show them: ${[...skipped].map(([k, n]) => `${n} ${k}`).join(', ') || 'nothing'}`));

// The open dialog as an event, or the next print (with the report as the
// page lays it out, a row a line: its size, "b" when bold, a blank, its
// characters), or null once the program has taken every action.
function pending() {
    const dialog = document.querySelector('dialog[open]');
    if (dialog) {
        // As shown: a line of the working's view is a paragraph of its own.
        const text = (selector) => (dialog.querySelector(selector) || {}).innerText || '';
        const buttons = [...dialog.querySelectorAll('.buttons button')];
        const kind = dialog.classList.contains('prompt-box') ? 'prompt' : dialog.classList.contains('reminder') ? 'reminder' : 'message';
        return { kind, icon: dialog.dataset.icon || 'none', buttons: buttons.map((b) => b.textContent),
            default: (buttons.find((b) => b.classList.contains('default')) || {}).textContent || '', title: text('h2'),
            prompt: text(kind === 'prompt' ? 'label' : '.prompt'), orientation: dialog.dataset.orientation || '' };
    }
    if (window.printsSeen < window.prints) {
        ++window.printsSeen;
        const rows = [...document.querySelectorAll('#printout .report-line')].map((l) =>
            parseFloat(l.style.fontSize) + (getComputedStyle(l).fontWeight === '700' ? 'b ' : ' ') + l.textContent.replace('\u00a0', ''));
        return { kind: 'printdialog', rows, date: window.tarnwickPage.shortDate() };
    }
    return document.body.dataset.ready === 'true' && !window.tarnwickPage.busy() ? null : { kind: 'busy' };
}

// What an expectation looks at, of one element.
function look(name) {
    const e = document.getElementById(name);
    if (!e) return null;
    const caption = e.classList.contains('label') ? e : e.querySelector('.caption');
    return {
        text: e.value, selection: e.tagName === 'INPUT' ? e.value.slice(e.selectionStart, e.selectionEnd) : '',
        colour: e.dataset.colour, painted: getComputedStyle(e).backgroundColor, focus: document.activeElement === e,
        enabled: !(e.disabled || e.getAttribute('aria-disabled') === 'true' || e.classList.contains('disabled')),
        visible: !e.classList.contains('hidden') && e.getClientRects().length > 0, locked: e.readOnly,
        tabstop: e.dataset.tabStop === 'true', selected: e.getAttribute('aria-checked') === 'true',
        caption: caption ? caption.dataset.caption || '' : '', tooltip: e.getAttribute('title') || '',
        menu: e.getAttribute('role') === 'menuitem',
    };
}

// The browser's print dialog, answered at once; and the messages the
// program hands the page, the last kept (the working's, for its view).
function watchPage() {
    [window.prints, window.printsSeen] = [0, 0];
    window.print = () => ++window.prints && setTimeout(() => window.dispatchEvent(new Event('afterprint')), 0);
    const show = tarnwickPage.showMessage;
    tarnwickPage.showMessage = (m) => show((window.lastMessage = m));
}

const yesNo = (word) => word === 'yes';
const blank = (text) => text.replace(/\s+/g, ' ').trim();
const keys = { Enter: 'Enter', Esc: 'Escape' };
// The colours the page paints for the sheet's.
const paints = { white: 'rgb(255, 255, 255)', yellow: 'rgb(255, 255, 0)', red: 'rgb(255, 0, 0)' };

// A report line of a scenario as the rows the printer lays it out in: an
// indent [@n] pads to column n, or starts a new row there.
function rowsOf(line) {
    const [, size, items] = /^(\d+b?) ?(.*)$/.exec(line);
    const rows = [''];
    items.split(/\[@(\d+)\]/).forEach((piece, i) => {
        if (i % 2 === 0) return (rows[rows.length - 1] += piece);
        if (rows[rows.length - 1].length >= Number(piece)) rows.push('');
        rows[rows.length - 1] = rows[rows.length - 1].padEnd(Number(piece) - 1);
    });
    return rows.map((row) => `${size} ${row}`);
}

async function play(d, scenario) {
    const answers = { message: [], prompt: [], reminder: [], printdialog: [] };
    const events = [];
    const fail = (n, what) => assert.fail(`line ${n}: ${what}`);
    const inPage = (fn, arg) => d.run(`(${fn})(${JSON.stringify(arg)})`);
    const screen = await d.run('tarnwickPage.screen');
    // The last report, and the scenario's lines of it that are not yet checked.
    let report = { rows: [], lines: [] };
    const unnamed = () => skip('expect report-line of a report not named whole', report.lines.filter((l) => l).length);
    // The working as its view showed it, until the next action.
    let working = null;

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
            // A print dialog cancelled prints nothing.
            if (event.rows && event.rows.length && answer !== 'cancel') {
                unnamed();
                report = { rows: event.rows, date: event.date, lines: [] };
            }
            if (event.kind === 'message') {
                await d.click('button', answer || event.default, event.title);
            } else if (event.kind === 'prompt') {
                const typed = answer && !answer.cancel;
                if (typed) await d.run(`document.querySelector('dialog[open] input').value = ${JSON.stringify(answer.text)}`);
                await d.click('button', typed ? 'OK' : 'Cancel', event.title);
            } else if (event.kind === 'reminder') {
                const ticks = { tick: 1, 'tick-untick': 2 }[answer] || 0;
                for (let i = 0; i < ticks; ++i) await d.click('css', 'dialog[open] input[type=checkbox]');
                await d.click('button', 'OK', event.title);
            }
        }
        throw new Error('the page did not settle');
    }

    async function clickMenu(name) {
        const chain = [];
        const parent = (m) => (screen.menus[m].topLevel ? -1 : screen.menus[m].parent);
        for (let m = screen.names.menus.indexOf(name); m >= 0; m = parent(m)) chain.unshift(screen.names.menus[m]);
        for (const item of chain) await d.click('id', item);
    }

    // The lines the program hands the Working view, which must be the text
    // it shows (where a long line is broken at blanks).
    async function workingLines() {
        if (working) return working;
        await clickMenu('mnuShowWorking');
        await settle();
        const [view, { prompt }] = [events.pop() || {}, await d.run('window.lastMessage')];
        assert.deepEqual([view.title, blank(view.prompt || '')], ['Working', blank(prompt)], 'the Working view shows the working');
        return (working = prompt.startsWith('Nothing has been calculated yet.') ? [] : prompt.split('\r\n'));
    }

    for (const { n, line, quoted } of scenario.lines) {
        const [word, ...args] = line;
        const kind = word === 'expect' ? `${word} ${args[0]}` : word;
        if (skippedKinds.has(kind)) {
            skip(kind);
            continue;
        }
        if (!kind.startsWith('expect working')) working = null;
        const acts = ['type', 'paste', 'focus', 'click'].includes(word);
        const e = acts && ((await inPage(look, args[0])) || fail(n, `no ${args[0]} on the page`));
        switch (word) {
            case 'type':
            case 'paste':
            case 'focus':
                if (!e.visible || (word !== 'focus' && e.locked)) fail(n, `${args[0]} cannot be ${word}d into`);
                // Into the field as a user moves there: a click, which selects
                // its whole text; in the focused field, the whole text selected again.
                await (e.focus ? d.run(`document.getElementById(${JSON.stringify(args[0])}).select()`) : d.click('id', args[0]));
                if (word === 'focus') break;
                await (args[1] === '' ? d.press('Backspace') : word === 'type' ? d.type(args[1]) : d.paste(args[1]));
                break;
            case 'click':
                if (e.menu) await clickMenu(args[0]);
                else if (!e.enabled || !e.visible) fail(n, `${args[0]} is disabled or hidden`);
                else await d.click('id', args[0]);
                break;
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
    unnamed();
    for (const [kind, left] of Object.entries(answers)) assert.equal(left.length, 0, `end: ${kind} answers never used`);
    assert.deepEqual(events, [], 'end: events never expected');
    // The tab kept the session: a reload brings the sheet back as it stands.
    if (!(await d.run("document.getElementById('closed').getClientRects().length > 0"))) await session(d).reloadKeepsSheet();

    async function expect(n, [what, ...rest]) {
        const at = `line ${n}: expect ${what} ${rest[0]}`;
        const event = () => events.shift() || fail(n, `expect ${what}: no event`);
        switch (what) {
            case 'message': {
                const [icon, buttons, title, prompt] = rest;
                const e = event();
                const set = buttons === 'ok' ? ['OK'] : ['Yes', 'No', 'Cancel'];
                const def = buttons === 'ok' ? 'OK' : buttons.split(':')[1].replace(/^./, (c) => c.toUpperCase());
                return assert.deepEqual([e.kind, e.icon, e.buttons, e.default, e.title, blank(e.prompt)],
                    ['message', icon, set, def, title, blank(prompt)], at);
            }
            case 'prompt':
            case 'reminder':
            case 'printdialog': {
                const e = event();
                const seen = { prompt: [e.title, e.prompt], reminder: [e.orientation], printdialog: [] }[what];
                return assert.deepEqual([e.kind, ...seen], [what, ...rest], at);
            }
            case 'no-event':
                return assert.deepEqual(events, [], at);
            case 'closed':
                return assert.equal(await d.run("document.getElementById('closed').getClientRects().length > 0"), yesNo(rest[0]), at);
            case 'working-lines':
                return assert.equal((await workingLines()).length, Number(rest[0]), at);
            case 'working-line': {
                const [found, text] = [(await workingLines())[Number(rest[0]) - 1], rest[1]];
                return assert.equal(text.endsWith('*') && found ? found.slice(0, text.length - 1) + '*' : found, text, at);
            }
            case 'working-has':
                return assert.ok((await workingLines()).some((l) => l.includes(rest[0])), at);
            // The last report, once its lines are all named (none with a "*"),
            // against those lines laid out, with the page's date for the
            // headless printer's.
            case 'report-lines':
            case 'report-line': {
                if (what === 'report-lines') report.count = Number(rest[0]);
                else report.lines[Number(rest[0]) - 1] = rest[1].replace('6/30/2005', report.date);
                const { rows, lines, count } = report;
                if (lines.length !== count || [...lines].some((l) => l === undefined || l.endsWith('*'))) return;
                assert.equal(lines.flatMap(rowsOf).join('\n'), rows.join('\n'), `${at}: the page's report`);
                report.lines = [];
                return;
            }
            default:
        }
        const [name, value] = rest;
        const e = (await inPage(look, name)) || fail(n, `no ${name} on the page`);
        if (e.menu && (what === 'enabled' || what === 'caption')) return skip(`expect ${what} of a menu`);
        // A tooltip is shown with its blanks run together.
        if (what === 'tooltip') return assert.equal(blank(e.tooltip), blank(value), at);
        if (what === 'colour' && paints[value]) assert.equal(e.painted, paints[value], `${at}, as painted`);
        const flag = ['enabled', 'visible', 'locked', 'tabstop', 'selected'].includes(what);
        assert.equal(e[what], what === 'focus' ? true : flag ? yesNo(value) : value, at);
    }
}

// A scenario on a fresh sheet of `d`'s, at `url`.
const fresh = (d, url, scenario) => session(d).open(url).then(() => d.run(`(${watchPage})()`)).then(() => play(d, scenario));

test('every scenario file through the page in chromium', { concurrency: 2 }, async (t) => {
    const { url } = await served();
    await read();
    await Promise.all(files.map((file) => t.test(path.basename(file), { concurrency: 1 }, async (f) => {
        for (const scenario of scenarios.get(file)) {
            await f.test(scenario.name, async () => {
                const d = await chromiumTab({ viewport: { width: 1100, height: 850 }, serviceWorkers: 'block' });
                await fresh(d, url, scenario).finally(() => d.close());
            });
        }
    })));
});

for (const open of [firefox, webkit]) {
    test(`the scenarios of every engine in ${open.name}`, async (t) => {
        if (!scenarios) await read();
        const d = await open();
        try {
            await d.viewport(1100, 850);
            for (const scenario of [...scenarios.values()].flat().filter((s) => everyEngine.includes(s.name))) {
                await t.test(`${open.name}: ${scenario.name}`, async () => fresh(d, (await served()).url, scenario));
            }
        } finally {
            await d.close();
        }
    });
}
