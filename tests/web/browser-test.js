// TARNWICK_SITE=SITE_DIR node --test tests/web/browser-test.js: what the
// scenario files cannot say of the page (typing from the first paint, the
// keyboard's ways, the service worker, printing to PDF, the tab's storage,
// screen sizes and touch, axe-core), in chromium, Firefox and WebKit as far
// as each driver of drivers.js goes, elements found by role and accessible name.
'use strict';

const { describe, test: nodeTest, before, after, afterEach } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { site, served, stop, chromiumTab, firefox, webkit, pause } = require('./drivers.js');
const { session, until, script, entries, measured, cautions } = require('./session.js');

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-browser-test-'));
after(() => fs.rmSync(scratch, { recursive: true, force: true }));
const read = (file, ...args) => execFileSync(file, args, { encoding: 'utf8' });

// The card as the page shows it, one line feed a line (the scenario's text).
const oilCard = JSON.parse(/"Minimum Oil Buffer Strokes" (".*")$/m.exec(
    fs.readFileSync(path.join(__dirname, '../scenarios/reference-messages.scenario'), 'utf8'))[1]).replace(/\r\n/g, '\n');
const calculated = { 'Crosshead, IN': '80.02', 'Refuge space, difference, IN': '1.98',
    'Maximum counterweight runby, IN': '7.98', 'Maximum counterweight runby, MM': '202.69' };
// The worker's cache, full.
const worker = fs.readFileSync(path.join(site, 'sw.js'), 'utf8');
const cache = /'(tarnwick-\w+)'/.exec(worker)[1];
const cacheFull = (name) => `${name}: ${/siteFiles = \[(.*)\]/.exec(worker)[1].split(',').length} files`;

// Runs in the page: the site's caches, with how many files each holds, once
// the service worker is active.
async function cached() {
    if (!(await navigator.serviceWorker.getRegistration())?.active) return 'no active service worker';
    const names = (await caches.keys()).filter((name) => name.startsWith('tarnwick-'));
    return (await Promise.all(names.map(async (name) => `${name}: ${(await (await caches.open(name)).keys()).length} files`))).join(', ');
}
const cacheIs = (d, name) => until(() => d.run(`(${cached})()`), cacheFull(name), 'the worker\'s cache', 30000);

// Runs in the page: what does not fit the screen of window `win`: anything
// beyond its edges; at a phone's width, groups or a caption and its field
// side by side; on a touch screen, a field, option or button under 44 px
// high, or a field but the identification without the numeric keyboard.
function misfits(win, touch) {
    const [doc, width, found] = [win.document, win.innerWidth, []];
    const wide = doc.documentElement.scrollWidth;
    if (wide > width) found.push(`the page scrolls sideways to ${wide} px`);
    for (const e of doc.querySelectorAll('#app *, dialog *')) {
        const edges = e.getBoundingClientRect();
        if (edges.width === 0 && edges.height === 0) continue;
        const what = `${e.tagName} "${e.getAttribute('aria-label') || e.textContent.trim().slice(0, 40)}"`;
        if (edges.left < 0 || edges.right > width) found.push(`${what} spans ${edges.left}..${edges.right} px`);
        if (touch && e.matches('.field, .option, button') && edges.height < 44) found.push(`${what} is ${edges.height} px high`);
        const decimal = e.getAttribute('aria-label') !== 'Elevator Identification';
        if (touch && e.matches('.field') && (e.inputMode === 'decimal') !== decimal) found.push(`${what}: inputmode "${e.inputMode}"`);
    }
    const box = (e) => (typeof e === 'string' ? doc.querySelector(e) : e).getBoundingClientRect();
    const [questions, data, commands] = ['#sheet .questions', '#sheet .data', '#sheet .large-buttons'].map(box);
    const caption = box([...doc.querySelectorAll('#sheet .row-caption')].find((e) => e.textContent.trim().startsWith('Rated speed')));
    if (width < 500 && !(questions.bottom <= data.top && data.bottom <= commands.top)) found.push('not one column');
    if (width < 500 && caption.bottom > box('#txtImpSpeed').top) found.push('a caption beside its field');
    return found;
}
const fits = async (d, touch, win = 'window') => assert.deepEqual(await d.run(`(${misfits})(${win}, ${touch})`), []);

// The cells of the data block that stand elsewhere than the core's grid
// (ui/Grid.h) places them, at the natural width or on a narrow screen.
function misplaced(narrow) {
    const { names, grid } = JSON.parse(document.getElementById('screen-description').textContent);
    const echoes = [...document.querySelectorAll('#sheet .echo')];
    const [field, button, label] = [names.fields, names.buttons, names.labels].map((l) => (id) => document.getElementById(l[id]));
    const element = { field, smallButton: button, maxRunbyButton: button, maxRunbyBox: (id) => label(id).parentElement,
        identification: (id) => field(id).parentElement, echo: () => echoes.shift() };
    return grid.cells.filter((cell) => narrow || cell.wide[2] > 0).map((cell) => {
        const [row, column, rows, columns] = narrow ? [cell.narrow[0], cell.narrow[1], 1, cell.narrow[2]] : cell.wide;
        const e = (element[cell.holds] || label)(cell.id);
        const s = getComputedStyle(e);
        // A phone row spans one row without saying so.
        const want = `${row + 1} ${narrow ? 'auto' : 'span ' + rows}, ${column + 1} span ${columns}`;
        const got = `${s.gridRowStart} ${s.gridRowEnd}, ${s.gridColumnStart} ${s.gridColumnEnd}`;
        return got === want ? '' : `${cell.holds} ${e.id || e.className}: ${got}, not ${want}`;
    }).filter(Boolean);
}

// A print command with the browser's print stubbed: the identification
// prompt (labelled `label`) answered with `id` when one is given, the
// reminder for `orientation`, the print dialog once, whose printout is
// returned as a PDF (or, with `pdf` false, the dialog cancelled at once).
// No message follows.
async function print(d, s, shortcut, orientation, [label, id] = [], pdf = true) {
    await d.run('window.printed = 0; window.print = () => ++window.printed;');
    await d.press(shortcut);
    if (id) {
        await s.focus('textbox', label, 'Elevator ID');
        await d.type(id);
        await d.press('Enter');
    }
    await until(() => d.run(script(`const box = find('dialog', 'Orientation');
        return box && box.querySelector('.reminder-message').innerText.includes(' ${orientation} orientation');`)),
    true, `the ${orientation} reminder`);
    await s.focus('button', 'OK', 'Orientation');
    await d.press('Enter');
    await until(() => d.run('window.printed'), 1, `the print dialog of ${shortcut}`);
    const file = pdf && path.join(scratch, `${d.name}-${orientation}.pdf`);
    if (file) fs.writeFileSync(file, await d.pdf(orientation === 'landscape'));
    await d.run('window.dispatchEvent(new Event("afterprint"))');
    await until(() => d.run('document.body.className + tarnwickPage.busy()'), 'false', `${shortcut} done`);
    await until(s.dialogs, 0, `no message after ${shortcut}`);
    assert.equal(await d.run('window.printed'), 1, `the print dialog of ${shortcut} opened again`);
    return file;
}

// A PDF's pages: how many, and whether they lie in landscape.
function pdfPages(file) {
    const [, pages, width, height] = /Pages: +(\d+)[^]*Page size: +([\d.]+) x ([\d.]+)/.exec(read('pdfinfo', file));
    return `${pages} ${Number(width) > Number(height) ? 'landscape' : 'portrait'}`;
}

// The lines of fixed-pitch text in a PDF, page by page, top to bottom, as
// the font size (the pitch is 0.6 of it) and the characters at their
// columns from the 10 mm margin.
function pdfLines(file) {
    const lines = [];
    for (const sheet of read('pdftotext', '-bbox', file, '-').split('<page ')) {
        const words = [...sheet.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>(.*?)</g)]
            .map(([, x0, y0, x1, text]) => ({ x0: Number(x0), y0: Number(y0), pitch: (x1 - x0) / text.length, text }))
            .sort((a, b) => a.y0 - b.y0 || a.x0 - b.x0);
        words.forEach(({ x0, y0, pitch, text }, i) => {
            if (i === 0 || y0 !== words[i - 1].y0) lines.push([`${Math.round(pitch / 0.6)} `, '']);
            const line = lines[lines.length - 1];
            line[1] = line[1].padEnd(Math.round((x0 - (10 * 72) / 25.4) / pitch)) + text;
        });
    }
    return lines.map(([size, text]) => size + text);
}

// Serious or critical faults axe-core finds; it is evaluated, not added as a
// script element, which the page's content security policy refuses.
async function axe(page, when) {
    if (!(await page.evaluate(() => 'axe' in window))) await page.evaluate(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
    const bad = (await page.evaluate(async () => (await window.axe.run(document)).violations))
        .filter((v) => v.impact === 'serious' || v.impact === 'critical')
        .map((v) => `${v.impact} ${v.id}: ${v.help}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
    assert.deepEqual(bad, [], `axe-core ${when}`);
}

// tarnwick.wasm is held back from 0 to 1,000 ms, so that the program starts
// before, during and after the typing; every load must keep each entry whole
// in its own field, converted, with the focus where the user left it (or
// where Calculate, pressed before the program was there, puts it).
const delays = Array.from({ length: 21 }, (_, i) => i * 50);
// The entries as the sheet holds them, with their converted twins.
const typedById = { txtImpSpeed: '700', txtMetSpeed: '3.56', txtImpRunby: '6', txtMetRunby: '152.40',
    txtImpRunbyCar: '6', txtMetRunbyCar: '152.40', txtImpStroke: '33.25', txtMetStroke: '844.55' };
const byId = Object.entries(typedById).filter(([id]) => id.startsWith('txtImp'));
const calculatedById = { ...typedById, txtImpMinStroke: '33.25', txtImpMaxJump: '56.02', txtImpMinCrosshead: '80.02' };

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
async function settled(d, ids) {
    let value = null;
    const probe = () => d.run(`(${shown})(${JSON.stringify(ids)})`);
    for (const end = Date.now() + 15000; (value = await probe()) === null && Date.now() < end;) await pause(20);
    return value || assert.fail('the program did not catch up');
}

// A tab at the site with tarnwick.wasm `delay` ms late (and held until
// `gate` settles), as first painted: the focus on the rated speed, where the
// user types once the caret shows. The page itself arrives as over a slow
// link: up to the rated speed's field, and the rest of the sheet 800 ms
// later. Each load has a server of its own: a fresh origin, with no kept sheet.
const indexHtml = fs.readFileSync(path.join(site, 'index.html'));
const indexCut = indexHtml.indexOf('>', indexHtml.indexOf('id="txtImpSpeed"')) + 1;
async function firstPaint(d, delay, gate = null) {
    const server = await served();
    const [handler] = server.listeners('request');
    server.removeAllListeners('request');
    server.on('request', (request, response) => {
        if (request.url === '/') {
            response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8', 'Cache-Control': 'no-store' });
            response.write(indexHtml.subarray(0, indexCut));
            return pause(800).then(() => response.end(indexHtml.subarray(indexCut)));
        }
        if (!request.url.endsWith('/tarnwick.wasm')) return handler(request, response);
        Promise.all([pause(delay), gate]).then(() => handler(request, response));
    });
    await d.goto(server.url);
    for (const end = Date.now() + 15000; (await d.run('document.activeElement?.id')) !== 'txtImpSpeed'; await pause(5)) {
        if (Date.now() > end) assert.fail('no focus on the rated speed at the first paint');
    }
}

// The worked example with Tab and Enter from the first paint, its cautions
// answered with Enter as they come.
async function byKeyboard(d, delay) {
    await firstPaint(d, delay);
    for (const [i, [, text]] of byId.entries()) {
        if (i > 0) await d.press('Tab');
        await d.type(text);
    }
    await d.press('Enter');
    for (const caution of cautions) {
        assert.equal((await settled(d, [])).dialog, caution);
        await d.press('Enter');
    }
    assert.deepEqual(await settled(d, Object.keys(calculatedById)), { fields: calculatedById, focus: 'txtCrossMea', dialog: null });
}

for (const [engine, open] of [['chromium', chromiumTab], ['firefox', firefox], ['webkit', webkit]]) {
    describe(engine, () => {
        // Each case named with its engine, as a report of failures shows it alone.
        const test = (title, ...rest) => nodeTest(`${engine}: ${title}`, ...rest);
        let d;
        let s;
        before(async () => (s = session((d = await open()))));
        after(() => d && d.close());
        afterEach(() => assert.deepEqual(d.errors.splice(0), [], 'the page reported errors'));
        // `body` in a tab of its own (as chromiumTab's `options` and
        // `shared` say), whose page must report no error.
        const withTab = async (options, shared, body) => {
            const tab = await chromiumTab(options, shared);
            try {
                await body(tab, session(tab));
                assert.deepEqual(tab.errors, [], 'the page reported errors');
            } finally {
                await tab.close().catch(() => {});
            }
        };
        const desk = { viewport: { width: 1100, height: 850 }, serviceWorkers: 'block' };
        const phone = { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true, serviceWorkers: 'block' };

        test('typed from the first paint with Tab and Enter, tarnwick.wasm late', { concurrency: open === chromiumTab ? 3 : 1 }, (t) =>
            Promise.all((open === chromiumTab ? delays : [0, 250, 600, 1000]).map((delay) => t.test(`${delay} ms late`, () =>
                (open === chromiumTab ? withTab(desk, null, (tab) => byKeyboard(tab, delay)) : byKeyboard(d, delay))))));

        test('the worked example by the keyboard: Tab, Enter, both cautions, Alt+R, Alt+M', async () => {
            await s.fresh();
            await s.typeInto(entries);
            await d.press('Enter');
            await s.answer('Caution !!', cautions[0], null);
            // The sheet takes no command while the box is open (Alt+L is Clear All).
            await d.press('Alt+l');
            await d.press('Enter');
            await until(s.dialogs, 1, 'one message box at a time');
            await s.answer('Caution !!', cautions[1], 'Enter');
            await s.fields({ 'Rated speed, FPM': '700', 'Crosshead, IN': '80.02' });
            await s.focus('textbox', 'Crosshead, measured, IN');
            await s.typeInto(measured);
            await d.press('Alt+r');
            await s.fields(calculated);
            await s.focus('button', 'Max Runby');
            await until(s.dialogs, 0, 'no dialog after Max Runby');
            await d.press('Alt+m');
            await s.focus('textbox', 'Rated speed, MPS');
        });

        test('the oil buffers card from the menu bar by the keyboard, in fixed-pitch lines', async () => {
            await s.fresh();
            await d.press('Alt+f');
            await s.focus('menuitem', 'Stroke - Normal Buffers');
            await d.press('ArrowRight');
            await s.focus('menuitem', 'Oil');
            await d.press('Enter');
            await s.answer('Minimum Oil Buffer Strokes', oilCard, null);
            assert.match(await d.run(script(`const e = find('dialog', 'Minimum Oil Buffer Strokes').querySelector('.prompt');
                return getComputedStyle(e).fontFamily + ' ' + getComputedStyle(e).whiteSpace;`)), /mono.* pre$/i);
            await d.press('Escape');
            await until(s.dialogs, 0, 'the card closed by Escape');
            await s.focus('textbox', 'Rated speed, FPM');
        });

        test('Exit asks and Esc cancels; Yes, and starting again, give an empty sheet that a reload keeps', async () => {
            await s.fresh();
            const empty = await s.state();
            await d.type('1.2');
            await d.press('Alt+x');
            await s.answer('Close Tarnwick?', null, 'Escape', 'Cancel');
            await s.focus('button', 'Exit');
            await s.fields({ 'Rated speed, FPM': '1.2' });
            await s.exit();
            await d.click('button', 'Start Tarnwick again');
            await s.focus('textbox', 'Rated speed, FPM');
            await s.sheetAs(empty, 'the sheet after starting again');
            d.asked = 0;
            await s.reloadKeepsSheet();
            if (d.page) assert.equal(d.asked, 0, 'the leave-page question with an empty sheet');
        });

        test('the site out of reach: the worker\'s cache brings the sheet back, which calculates and prints the form', async (t) => {
            const server = await served();
            await s.open(server.url);
            await cacheIs(d, cache);
            if (d.lacks.offline) t.diagnostic(d.lacks.offline);
            await (d.lacks.offline ? stop(server) : d.context.setOffline(true));
            await d.reload();
            await s.ready();
            await until(() => d.run(`!!navigator.serviceWorker.controller${d.lacks.offline ? '' : ' && !navigator.onLine'}`),
                true, 'the page served by the worker');
            await s.enter([...entries, ...measured]);
            await d.click('button', 'Calculate');
            await s.fields(calculated);
            await until(s.dialogs, 0, 'no dialog with every clearance measured');
            if (!d.pdf) return t.diagnostic(d.lacks.pdf);
            // One landscape page with every caption and figure (ligatures,
            // "ﬀ", read as the letters they join).
            const form = await print(d, s, 'Control+f', 'landscape', ['Do you wish to identify this elevator?', 'HW-390']);
            assert.equal(pdfPages(form), '1 landscape');
            const text = read('pdftotext', '-layout', form, '-').normalize('NFKC').replace(/\s+/g, ' ');
            const shown = await d.run(`[...document.querySelectorAll('#sheet .label:not(.echo), #sheet .field')]
                .map((e) => (e.value ?? e.textContent).replace(/\\s+/g, ' ').trim()).filter((t) => t)`);
            assert.deepEqual(shown.filter((t) => !text.includes(t)), [], `what the form's PDF lacks:\n${text}`);
            if (d.context) await d.context.setOffline(false);
        });

        if (open !== chromiumTab) {
            test('at a phone\'s width, 390 x 844: one column, nothing sideways', async (t) => {
                t.diagnostic(d.lacks.touch);
                await s.fresh();
                await d.run(`document.body.appendChild(Object.assign(document.createElement('iframe'), { id: 'phone',
                    src: location.href, style: 'position: fixed; left: 0; top: 0; border: 0; width: 390px; height: 844px' }))`);
                const frame = "document.getElementById('phone').contentWindow";
                await until(() => d.run(`${frame}.document.body?.dataset.ready === 'true'`), true, 'the page in the frame', 15000);
                await fits(d, false, frame);
            });
            return;
        }

        test('typed from the first paint into each field tapped at phone width, tarnwick.wasm late', { concurrency: 3 }, (t) =>
            Promise.all(delays.map((delay) => t.test(`${delay} ms late`, () => withTab(phone, null, async (tab) => {
                await firstPaint(tab, delay);
                for (const [id, text] of byId) {
                    await tab.click('id', id);
                    await tab.type(text);
                }
                assert.deepEqual(await settled(tab, Object.keys(typedById)), { fields: typedById, focus: 'txtImpStroke', dialog: null });
            })))));

        test('Calculate tapped 20 times and Enter pressed 10 times before the program: one message', () =>
            withTab(phone, null, async (tab) => {
                let release;
                await firstPaint(tab, 0, new Promise((resolve) => (release = resolve)));
                for (let i = 0; i < 20; ++i) await tab.click('id', 'cmdCalculate');
                for (let i = 0; i < 10; ++i) await tab.press('Enter');
                release();
                assert.equal((await settled(tab, [])).dialog, '?Have you made a positive entry in every field?');
                await tab.press('Enter');
                await pause(300);
                assert.deepEqual(await settled(tab, []), { fields: {}, focus: 'txtImpSpeed', dialog: null });
            }));

        test('axe-core finds nothing serious on the sheet, in a dark theme, and with a message box open', async () => {
            await s.fresh();
            await axe(d.page, 'with the sheet shown');
            await d.page.emulateMedia({ colorScheme: 'dark' });
            await axe(d.page, 'with the sheet shown in a dark theme');
            await d.page.emulateMedia({ colorScheme: 'light' });
            await d.press('Enter');
            await until(s.dialogs, 1, 'the message of Calculate on an empty sheet');
            await axe(d.page, 'with a message box open');
        });

        // A second tab of the same browser as the sheet at `s.url`.
        const inTab = async (body) => {
            await s.fresh();
            await withTab({}, d.context, body);
        };

        test('leaving the page asks while the sheet holds entries, and not once Exit has closed it', () => inTab(async (tab, ts) => {
            await ts.open(s.url);
            await tab.type('7');
            await ts.fields({ 'Rated speed, MPS': '0.04' });
            await ts.reloadKeepsSheet();
            assert.equal(tab.asked, 1, 'the leave-page question of a reload');
            tab.leave = false;
            await tab.page.close({ runBeforeUnload: true });
            await until(() => tab.asked, 2, 'the leave-page question with entries on the sheet');
            assert.ok(!tab.page.isClosed(), 'the page closed although leaving was refused');
            await ts.exit();
            const closing = tab.page.waitForEvent('close');
            await tab.page.close({ runBeforeUnload: true });
            await closing;
            assert.equal(tab.asked, 2, 'the leave-page question came once the calculator had closed');
        }));

        test('a new tab starts empty, and nothing is kept beyond the tab', () => inTab(async (tab, ts) => {
            const empty = await s.state();
            await s.enter(entries);
            await ts.open(s.url);
            await ts.focus('textbox', 'Rated speed, FPM');
            await ts.sheetAs(empty, 'a new tab\'s sheet');
            const stored = await tab.run(
                '(async () => [localStorage.length, document.cookie, (await indexedDB.databases()).length].join())()');
            assert.equal(stored, '0,,0', 'local storage, cookies and IndexedDB');
            assert.deepEqual(await d.context.cookies(), []);
        }));

        // The tab keeps its session and says when it cannot. A tab whose
        // `storage` script runs before the page's own, the rated speed typed.
        const typed = (storage, body) => withTab({ serviceWorkers: 'block' }, null, async (tab, ts) => {
            if (storage) await tab.context.addInitScript(storage);
            await ts.fresh();
            const empty = await ts.state();
            await tab.type('700');
            await ts.fields({ 'Rated speed, MPS': '3.56' });
            await body(tab, ts, empty);
        });
        const said = (tab, line) => until(async () => line.test(await tab.run('document.getElementById("kept-status").textContent')),
            true, `the line under the sheet: ${line}`);
        const notKept = /^This sheet is not kept in this tab: .*\. A reload would lose it\.$/;

        test('storage blocked: the sheet calculates and says it is not kept', () => typed(() =>
            Object.defineProperty(window, 'sessionStorage', { get: () => { throw new DOMException('blocked', 'SecurityError'); } }),
        (tab) => said(tab, notKept)));

        test('storage full: the failed write is said, and tried again on the next change', () => typed(() => {
            window.storageFull = true;
            const setItem = Storage.prototype.setItem;
            Storage.prototype.setItem = function (...args) {
                if (window.storageFull) throw new DOMException('full', 'QuotaExceededError');
                return setItem.apply(this, args);
            };
        }, async (tab) => {
            await said(tab, /QuotaExceededError/);
            await tab.run('window.storageFull = false');
            await tab.press('Tab');
            await tab.type('6');
            await said(tab, /^$/);
            assert.match(await tab.run('sessionStorage.getItem("tarnwick-session")'), /type txtImpRunby "6"/);
        }));

        test('a 100 KB text set by a script is cut to the field, kept and brought back', () => typed(null, async (tab, ts) => {
            await tab.run(`txtID.focus(); txtID.value = 'X'.repeat(100000);
                txtID.dispatchEvent(new Event('input', { bubbles: true }))`);
            await until(() => tab.run('!tarnwickPage.busy() && txtID.value.length'), 35, 'the identification cut');
            await ts.reloadKeepsSheet();
            await ts.fields({ 'Rated speed, FPM': '700', 'Elevator Identification': 'X'.repeat(35) });
            await said(tab, /^$/);
        }));

        test('a damaged record plays as far as it goes, here not at all, and says so', () => typed(null, async (tab, ts, empty) => {
            // Put in before the page's scripts, after the page that left has kept its own.
            await tab.context.addInitScript(() => sessionStorage.setItem('tarnwick-session', 'type txtImpSpeed "7'));
            await tab.reload();
            await ts.ready();
            await ts.sheetAs(empty, 'the sheet of a damaged record');
            await until(ts.dialogs, 0, 'no message');
            await said(tab, /^The sheet kept in this tab was restored up to line 1 of its record: /);
        }));

        test('Print Data\'s PDF is the page\'s report, line for line; a cancelled print leaves the sheet', async () => {
            await s.fresh();
            await s.enter([...entries, ...measured]);
            await d.click('button', 'Calculate');
            await s.fields(calculated);
            const report = await print(d, s, 'Control+d', 'portrait', ['35 characters may be used to identify this elevator.', 'HW-390']);
            // That report alone, as the page laid it out (which the scenario
            // files hold against the desktop's), each line in its size and columns.
            const rows = await d.run(`[...document.querySelectorAll('#printout .report-line')].map((l) =>
                parseFloat(l.style.fontSize) + ' ' + l.textContent.replace('\\u00a0', '').trimEnd()).filter((row) => /^\\d+ ./.test(row))`);
            assert.equal(pdfLines(report).join('\n'), rows.join('\n'), 'the report\'s PDF');
            assert.match(pdfPages(report), / portrait$/);
            const before = await s.state();
            await print(d, s, 'Control+d', 'portrait', [], false);
            await s.sheetAs(before, 'the sheet after a cancelled print');
        });

        test('a new build\'s worker fills its own cache and removes the old one', async () => {
            const copy = path.join(scratch, 'site');
            fs.cpSync(site, copy, { recursive: true });
            await s.open((await served(copy)).url);
            await cacheIs(d, cache);
            const next = 'tarnwick-' + [...cache.slice(9)].reverse().join('');
            fs.writeFileSync(path.join(copy, 'sw.js'), worker.replace(cache, next));
            await d.run('navigator.serviceWorker.getRegistration().then((r) => r.update())');
            await cacheIs(d, next);
        });

        test('every cell of the data block stands where the core\'s grid places it, on a desk and on a phone', () =>
            Promise.all([[desk, false], [phone, true]].map(([options, narrow]) => withTab(options, null, async (tab, ts) => {
                await ts.fresh();
                assert.deepEqual(await tab.run(`(${misplaced})(${narrow})`), []);
            }))));

        for (const [device, width, height] of [['phone', 360, 740], ['phone', 390, 844], ['tablet', 768, 1024]]) {
            test(`by finger on a ${device} of ${width} x ${height}: everything fits and takes a finger`, () =>
                withTab({ viewport: { width, height }, hasTouch: true, isMobile: true }, null, async (tab, ts) => {
                    await ts.fresh();
                    await ts.enter(entries);
                    await tab.click('button', 'Calculate');
                    for (const caution of cautions) {
                        await ts.answer('Caution !!', caution, null);
                        await fits(tab, true);
                        await tab.click('button', 'OK', 'Caution !!');
                        await until(ts.dialogs, caution === cautions[0] ? 1 : 0, 'the caution tapped away');
                    }
                    await ts.enter(measured);
                    await tab.click('button', 'Calculate');
                    await ts.fields(calculated);
                    await fits(tab, true);
                }));
        }
    });
}
