// node tests/web/browser-test.js SITE_DIR: plays one inspector's session
// through the page in Debian's chromium, finding every element by its role
// and accessible name, and checks the figures, colours, dialogs and focus
// against what the scenario runner shows for the same session; axe-core
// looks at the sheet and at an open message box. Then the page is reloaded
// with the network gone and calculates from the service worker's cache, both
// printouts go to PDF under print media and their text is checked against
// the runner's report (SITE_DIR/../tarnwick-scenario.js), a new build's
// worker replaces the cache, and sessions on touch screens of phone and
// tablet sizes check that everything fits. TARNWICK_SHOTS=DIR also saves the
// session's pictures and both PDFs there.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { serve } = require('../../ui/web/serve.js');
const { chromium } = require('./drivers.js');

const site = process.argv[2];
if (!site) {
    console.error('usage: node tests/web/browser-test.js SITE_DIR');
    process.exit(2);
}
const shots = process.env.TARNWICK_SHOTS;
const errors = [];
let page;
let scratch;

const pause = () => new Promise((resolve) => setTimeout(resolve, 25));

function check(condition, what) {
    if (!condition) throw new Error(what);
}

// Waits until `probe` gives `wanted`; fails naming `what` and the last value.
async function until(probe, wanted, what) {
    let last;
    for (const end = Date.now() + 5000; Date.now() < end; await pause()) {
        last = await probe();
        if (last === wanted) return;
    }
    throw new Error(`${what}: expected ${JSON.stringify(wanted)}, found ${JSON.stringify(last)}`);
}

const box = (name) => page.getByRole('textbox', { name, exact: true });
const button = (name) => page.getByRole('button', { name, exact: true });
const focused = (locator) => locator.evaluate((e) => e === document.activeElement);
const focusedName = () =>
    page.evaluate(() => {
        const e = document.activeElement;
        return e.getAttribute('aria-label') || e.textContent.trim();
    });

async function expectFocus(locator, what) {
    for (const end = Date.now() + 5000; Date.now() < end; await pause()) {
        if (await focused(locator)) return;
    }
    throw new Error(`the focus is not on ${what} but on "${await focusedName()}"`);
}

async function expectFields(figures) {
    for (const [name, text] of Object.entries(figures)) {
        await until(() => box(name).inputValue(), text, `"${name}"`);
    }
}

// The colour the sheet gave a field, and that the page paints it so.
const backgrounds = { white: 'rgb(255, 255, 255)', yellow: 'rgb(255, 255, 0)', red: 'rgb(255, 0, 0)' };
async function expectColours(colour, names) {
    for (const name of names) {
        await until(() => box(name).getAttribute('data-colour'), colour, `the colour of "${name}"`);
        const painted = await box(name).evaluate((e) => getComputedStyle(e).backgroundColor);
        check(painted === backgrounds[colour], `"${name}" is ${colour} but painted ${painted}`);
    }
}

// A message box is open with this title and prompt; `key` answers it, or
// 'tap' taps the focused button.
async function answer(title, prompt, key, focusedButton = 'OK') {
    const dialog = page.getByRole('dialog', { name: title, exact: true });
    await dialog.waitFor({ timeout: 5000 }).catch(() => {
        throw new Error(`no "${title}" dialog (prompt "${prompt}")`);
    });
    const shown = await dialog.locator('.prompt').innerText();
    check(shown === prompt.replace(/\r\n/g, '\n'), `"${title}" says ${JSON.stringify(shown)}, not ${JSON.stringify(prompt)}`);
    check((await dialog.getAttribute('aria-modal')) === 'true', `"${title}" is not aria-modal`);
    await expectFocus(dialog.getByRole('button', { name: focusedButton, exact: true }), `the ${focusedButton} button of "${title}"`);
    if (key === 'tap') await dialog.getByRole('button', { name: focusedButton, exact: true }).tap();
    else if (key) await page.keyboard.press(key);
    if (key) await dialog.waitFor({ state: 'detached', timeout: 5000 });
    return dialog;
}

async function typeInto(entries) {
    for (const [i, [name, text]] of entries.entries()) {
        if (i > 0) await page.keyboard.press('Tab');
        await expectFocus(box(name), `"${name}"`);
        await page.keyboard.type(text);
    }
}

// Moves into each field by `how` ('click' or 'tap') and types its text.
async function enter(entries, how) {
    for (const [name, text] of entries) {
        await box(name)[how]();
        await expectFocus(box(name), `"${name}"`);
        await page.keyboard.type(text);
    }
}

async function axe(when) {
    if (!(await page.evaluate(() => 'axe' in window))) {
        // Evaluated, not added as a script element, which the page's content
        // security policy refuses.
        await page.evaluate(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
    }
    const found = await page.evaluate(async () => (await window.axe.run(document)).violations);
    const bad = found.filter((v) => v.impact === 'serious' || v.impact === 'critical');
    for (const v of bad) {
        console.error(`axe, ${when}: ${v.impact} ${v.id}: ${v.help}`);
        for (const n of v.nodes) console.error(`    ${n.target.join(' ')}: ${n.failureSummary.replace(/\n/g, ' ')}`);
    }
    check(bad.length === 0, `axe-core found ${bad.length} serious or critical violations ${when}`);
}

const shoot = (name) => shots && page.screenshot({ path: path.join(shots, name + '.png') });

const { caution, closeQuestion, closePrompt, oilCard, entries, measured, calculated, differences } =
    require('./session.js');

// Every cell of the data block stands where the core's grid places it
// (ui/Grid.h): at the sheet's natural width, or in its place on a narrow
// screen. The maximum runby box and the identification are the groups
// around their caption and field, the echoes come in the grid's order.
async function expectGridPlaces(narrow) {
    const faults = await page.evaluate((narrow) => {
        const { names, grid } = JSON.parse(document.getElementById('screen-description').textContent);
        const echoes = [...document.querySelectorAll('#sheet .echo')];
        const byId = (list, id) => document.getElementById(list[id]);
        const element = {
            field: (id) => byId(names.fields, id),
            smallButton: (id) => byId(names.buttons, id),
            maxRunbyButton: (id) => byId(names.buttons, id),
            maxRunbyBox: (id) => byId(names.labels, id).parentElement,
            identification: (id) => byId(names.fields, id).parentElement,
            echo: () => echoes.shift(),
        };
        const found = [];
        for (const cell of grid.cells) {
            const [row, column, rows, columns] = narrow ? [cell.narrow[0], cell.narrow[1], 1, cell.narrow[2]] : cell.wide;
            if (rows === 0) continue;
            const e = (element[cell.holds] || ((id) => byId(names.labels, id)))(cell.id);
            const style = getComputedStyle(e);
            // A phone row spans one row without saying so.
            const want = `${row + 1} ${narrow ? 'auto' : 'span ' + rows}, ${column + 1} span ${columns}`;
            const got = `${style.gridRowStart} ${style.gridRowEnd}, ${style.gridColumnStart} ${style.gridColumnEnd}`;
            if (got !== want) found.push(`${cell.holds} ${e.id || e.className}: ${got}, not ${want}`);
        }
        return found;
    }, narrow);
    check(faults.length === 0, `the grid's places ${narrow ? 'on a narrow screen' : 'at the natural width'}:\n    ${faults.join('\n    ')}`);
}

async function session() {
    // Typing before the program is there is the hand-over sweep's
    // (handover-test.js): here the session starts with the program ready.
    await page.goto('/');
    await page.waitForSelector('body[data-ready=true]', { timeout: 10000 });
    await expectGridPlaces(false);
    const [speed, typed] = entries[0];
    await box(speed).click();
    await page.keyboard.type(typed);
    await expectFields({ [speed]: typed, 'Rated speed, MPS': '3.56' });
    await axe('with the sheet shown');
    await page.emulateMedia({ colorScheme: 'dark' });
    await axe('with the sheet shown in a dark theme');
    await page.emulateMedia({ colorScheme: 'light' });
    await expectFocus(box('Rated speed, FPM'), 'the rated speed at start');

    // The entries, by the keyboard; the metric column follows each one.
    await page.keyboard.press('Tab');
    await typeInto(entries.slice(1));
    await expectFields({ 'Rated speed, MPS': '3.56', 'Car runby, MM': '152.40', 'Car and counterweight buffer stroke, MM': '844.55' });

    // Enter is Calculate: nothing is measured, so both cautions, in order.
    await page.keyboard.press('Enter');
    await answer(caution, 'You do not have the minimum clearance for one or more of your entries !', null);
    await shoot('message-box');
    await axe('with a message box open');
    // The sheet takes no command while the box is open (Alt+L is Clear All).
    await page.keyboard.press('Alt+L');
    await page.keyboard.press('Enter');
    await answer(caution, 'You do not have enough top counterweight clearance !', 'Enter');
    await expectFields({ 'Rated speed, FPM': '700', 'Minimum required buffer stroke, IN': '33.25',
        'Calculated car travel above top landing, IN': '56.02', 'Crosshead, IN': '80.02', 'Crosshead, MM': '2032.51',
        'Crosshead, difference, IN': '-80.02', 'Maximum counterweight runby, IN': '' });
    await expectColours('red', [...differences, 'Maximum counterweight runby, IN']);
    await expectColours('yellow', ['Crosshead, IN', 'Maximum counterweight runby, MM']);
    await expectColours('white', ['Rated speed, FPM', 'Crosshead, measured, IN']);
    await expectFocus(box('Crosshead, measured, IN'), 'the first measured clearance after the cautions');

    // The measured clearances, then Max Runby by its access key.
    await typeInto(measured);
    await page.keyboard.press('Alt+R');
    await expectFields({ 'Maximum counterweight runby, IN': '7.98', 'Maximum counterweight runby, MM': '202.69',
        'Crosshead, difference, IN': '9.98', 'Refuge space, difference, IN': '1.98',
        'Obstruction above counterweight, difference, IN': '12.98' });
    await expectColours('yellow', [...differences, 'Maximum counterweight runby, IN']);
    await expectFocus(button('Max Runby'), 'Max Runby after its reaction');
    check((await page.locator('dialog').count()) === 0, 'Max Runby opened a dialog');
    await shoot('after-session');

    // The tab keeps its sheet: after a reload (its leave-page question
    // answered) every field, colour, option, command and the focus are back,
    // and no message comes again.
    const before = await sheetState();
    await reload(1);
    check((await sheetState()) === before, `the reloaded sheet:\n${await sheetState()}\nnot:\n${before}`);
    check(!(await button('Max Runby').isDisabled()), 'Max Runby disabled after the reload');

    // A reference card from the menu bar by the keyboard; the focus stays.
    await page.keyboard.press('Alt+F');
    await expectFocus(page.getByRole('menuitem', { name: 'Stroke - Normal Buffers' }), 'the first item of Formulas & Info');
    await page.keyboard.press('ArrowRight');
    await expectFocus(page.getByRole('menuitem', { name: 'Oil', exact: true }), 'the Oil item');
    await page.keyboard.press('Enter');
    const card = await answer('Minimum Oil Buffer Strokes', oilCard, null);
    const font = await card.locator('.prompt').evaluate((e) => getComputedStyle(e).fontFamily + ' ' + getComputedStyle(e).whiteSpace);
    check(/mono/i.test(font) && font.endsWith(' pre'), `the card is not unwrapped fixed-pitch text: ${font}`);
    await shoot('reference-card');
    await page.keyboard.press('Escape');
    await card.waitFor({ state: 'detached' });
    await expectFocus(button('Max Runby'), 'Max Runby after the card');

    // The metric switch clears the sheet and unlocks the metric entries.
    await page.keyboard.press('Alt+M');
    await expectFocus(box('Rated speed, MPS'), 'the metric rated speed after Metric');
    await expectFields({ 'Rated speed, FPM': '', 'Crosshead, measured, MM': '', 'Maximum counterweight runby, MM': '' });
    await expectColours('yellow', ['Rated speed, FPM']);
    await expectColours('white', ['Rated speed, MPS']);
    check(await box('Rated speed, FPM').evaluate((e) => e.readOnly), 'the imperial speed is not locked in metric mode');
    // Spring by the mouse: the sheet clears, asks the governor tripping
    // speed and greys the questions that do not apply.
    await page.getByRole('radio', { name: 'Buffer: Spring' }).click();
    await until(() => page.getByRole('radio', { name: 'Buffer: Spring' }).getAttribute('aria-checked'), 'true', 'Spring chosen');
    await until(() => page.getByRole('radio', { name: 'Reduced stroke buffer: No' }).getAttribute('aria-disabled'), 'true',
        'the reduced stroke question disabled for a spring buffer');
    await expectFocus(box('Governor tripping speed, MPS'), 'the governor tripping speed after Spring');
    await page.keyboard.type('1.2');
    await expectFields({ 'Governor tripping speed, FPM': '236.22' });

    // Exit asks; Esc is Cancel and the sheet stays as it was.
    await page.keyboard.press('Alt+X');
    await answer(closeQuestion, closePrompt, 'Escape', 'Cancel');
    await expectFocus(button('Exit'), 'Exit after the question is cancelled');
    await expectFields({ 'Governor tripping speed, MPS': '1.2' });

    // With entries on the sheet, leaving the page asks the browser's question.
    let asked = 0;
    page.on('dialog', (dialog) => {
        if (dialog.type() === 'beforeunload') ++asked;
        dialog.dismiss();
    });
    await page.close({ runBeforeUnload: true });
    await until(() => asked, 1, 'the leave-page question with entries on the sheet');
    check(!page.isClosed(), 'the page closed although leaving was refused');

    // Exit answered Yes closes the calculator; it starts again empty.
    await button('Exit').click();
    await answer(closeQuestion, closePrompt, null, 'Cancel');
    await page.getByRole('button', { name: 'Yes', exact: true }).click();
    await page.getByRole('heading', { name: 'Tarnwick has closed.' }).waitFor({ timeout: 5000 });
    await button('Start Tarnwick again').click();
    await expectFocus(box('Rated speed, FPM'), 'the rated speed after starting again');
    await expectFields({ 'Rated speed, FPM': '', 'Rated speed, MPS': '' });
    // Exit and Yes forgot the sheet, for a reload too; a new tab starts
    // empty, and nothing is kept beyond the tab's session storage.
    const empty = await sheetState();
    await reload(0);
    check((await sheetState()) === empty, 'the sheet is not empty after Exit, Yes and a reload');
    const tab = await open(page.context());
    await tab.goto('/');
    await tab.waitForSelector('body[data-ready=true]', { timeout: 10000 });
    check((await sheetState(tab)) === empty, `a new tab's sheet:\n${await sheetState(tab)}`);
    const stored = await tab.evaluate(async () =>
        [localStorage.length, document.cookie, (await indexedDB.databases()).length].join());
    check(stored === '0,,0' && (await page.context().cookies()).length === 0, `stored beyond the tab: ${stored}`);
    await tab.close();
    // A damaged record plays as far as it goes, here not at all: the sheet
    // starts empty, the line under it says so, and nothing else is said (no
    // dialog, no page error).
    await page.evaluate(() => sessionStorage.setItem('tarnwick-session', 'type txtImpSpeed "7'));
    await reload(0);
    check((await sheetState()) === empty, `a damaged record gave:\n${await sheetState()}`);
    const said = await page.locator('#kept-status').textContent();
    check(/^The sheet kept in this tab was restored up to line 1 of its record: /.test(said), `the line said: ${said}`);
    const closing = page.waitForEvent('close', { timeout: 5000 });
    await page.close({ runBeforeUnload: true });
    await closing.catch(() => {
        throw new Error('the page did not close with an empty sheet');
    });
    check(asked === 1, 'the leave-page question came with an empty sheet');
}

// Every field's text, colour and lock, the options, the commands and the
// focus, as the page shows them.
const sheetState = (on = page) =>
    on.evaluate(() => {
        const all = (selector, look) => Array.from(document.querySelectorAll(selector), look).join('\n');
        return [all('#sheet .field', (f) => `${f.id} "${f.value}" ${f.dataset.colour}${f.readOnly ? ' locked' : ''}`),
            all('#sheet [role=radio]', (o) => `${o.id} ${o.getAttribute('aria-checked')} ${o.getAttribute('aria-disabled')}`),
            all('#sheet button', (b) => `${b.id}${b.disabled ? ' disabled' : ''}`),
            `focus ${document.activeElement.id}`].join('\n');
    });

// Reloads the page, answering the leave-page question `questions` times
// (once with entries on the sheet); the sheet is ready with no dialog open.
async function reload(questions) {
    let asked = 0;
    const leave = (dialog) => {
        if (dialog.type() === 'beforeunload') ++asked;
        dialog.accept();
    };
    page.on('dialog', leave);
    await page.reload();
    page.off('dialog', leave);
    await page.waitForSelector('body[data-ready=true]', { timeout: 10000 });
    check(asked === questions, `the leave-page question came ${asked} times on reload`);
    check((await page.locator('dialog').count()) === 0, 'a dialog is open after the reload');
}

// The service worker's caches of the site, with how many files each holds.
const cached = () =>
    page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        const names = (await caches.keys()).filter((name) => name.startsWith('tarnwick-'));
        const sizes = await Promise.all(names.map(async (name) => (await (await caches.open(name)).keys()).length));
        return names.map((name, i) => `${name}: ${sizes[i]} files`).join(', ');
    });

// A print command with window.print stubbed: the identification prompt
// answered with `id` when one is given, the reminder for `orientation`, the
// print dialog once; print media puts the printout into the PDF `pdf`, or,
// without one, the dialog is cancelled at once. No message follows.
async function print(shortcut, orientation, id, pdf) {
    await page.evaluate(() => {
        window.printed = 0;
        window.print = () => ++window.printed;
    });
    await page.keyboard.press(shortcut);
    if (id) {
        const prompt = page.getByRole('dialog', { name: 'Elevator ID', exact: true });
        await expectFocus(prompt.getByRole('textbox', { name: '35 characters may be used to identify this elevator.' }),
            'the identification prompt');
        await page.keyboard.type(id);
        await page.keyboard.press('Enter');
        await prompt.waitFor({ state: 'detached' });
    }
    const reminder = page.getByRole('dialog', { name: 'Orientation', exact: true });
    const said = await reminder.locator('.reminder-message').innerText();
    check(said.includes(` ${orientation} orientation`), `the reminder says "${said}"`);
    await expectFocus(reminder.getByRole('button', { name: 'OK', exact: true }), 'OK of the reminder');
    await page.keyboard.press('Enter');
    await until(() => page.evaluate(() => window.printed), 1, `the print dialog of ${shortcut}`);
    if (pdf) {
        await page.emulateMedia({ media: 'print' });
        await page.pdf({ path: pdf, preferCSSPageSize: true });
        await page.emulateMedia({ media: 'screen' });
    }
    await page.evaluate(() => window.dispatchEvent(new Event('afterprint')));
    await until(() => page.evaluate(() => document.body.className + tarnwickPage.busy()), 'false', `${shortcut} done`);
    check((await page.locator('dialog').count()) === 0, `a message after ${shortcut}`);
    check((await page.evaluate(() => window.printed)) === 1, `the print dialog of ${shortcut} opened again`);
}

// The data report the scenario runner prints for the same sheet, one row a
// line as its font size, "b" when bold, a blank and its characters; an
// indent [@n] pads to column n or starts a new row there.
function desktopReport(ids, id, date) {
    const file = path.join(scratch, 'report.scenario');
    const typed = [...entries, ...measured].map(([name, text]) => `type ${ids[name]} ${text}`);
    fs.writeFileSync(file, ['scenario "report"', ...typed, 'click cmdCalculate', `prompt "${id}"`, 'key Ctrl+D',
        'expect prompt "Elevator ID" "35 characters may be used to identify this elevator."', 'expect reminder portrait',
        'expect printdialog', 'dump', ''].join('\n'));
    const dump = execFileSync(process.execPath, [path.join(site, '..', 'tarnwick-scenario.js'), file], { encoding: 'utf8' });
    const rows = [];
    for (const [, line] of dump.split('last report:')[1].split('  working:')[0].matchAll(/^ {4}\d+ "(.*)"$/gm)) {
        const [, size, bold, items] = /^(\d+)(b?) ?(.*)$/.exec(line.replace(/\\(.)/g, '$1').replace('6/30/2005', date));
        let row = '';
        for (const [i, piece] of items.split(/\[@(\d+)\]/).entries()) {
            if (i % 2 === 0) {
                row += piece;
                continue;
            }
            if (row.length >= Number(piece)) {
                rows.push(`${size}${bold} ${row}`);
                row = '';
            }
            row = row.padEnd(Number(piece) - 1);
        }
        rows.push(`${size}${bold} ${row}`);
    }
    return rows;
}

// The pages of a PDF: how many, and whether they lie in landscape.
function pdfPages(file) {
    const info = execFileSync('pdfinfo', [file], { encoding: 'utf8' });
    const [, width, height] = /Page size: +([\d.]+) x ([\d.]+)/.exec(info);
    return `${/Pages: +(\d+)/.exec(info)[1]} ${Number(width) > Number(height) ? 'landscape' : 'portrait'}`;
}

// The lines of fixed-pitch text in a PDF, page by page, top to bottom, as
// the font size (the pitch is 0.6 of it) and the characters at their
// columns from the 10 mm margin.
function pdfLines(file) {
    const lines = [];
    for (const sheet of execFileSync('pdftotext', ['-bbox', file, '-'], { encoding: 'utf8' }).split('<page ')) {
        const words = [...sheet.matchAll(/<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>(.*?)</g)]
            .map(([, x0, y0, x1, text]) => ({ x0: Number(x0), y0: Number(y0), pitch: (x1 - x0) / text.length, text }))
            .sort((a, b) => a.y0 - b.y0 || a.x0 - b.x0);
        let y = null;
        for (const { x0, y0, pitch, text } of words) {
            if (y0 !== y) lines.push([`${Math.round(pitch / 0.6)} `, '']);
            y = y0;
            const line = lines[lines.length - 1];
            line[1] = line[1].padEnd(Math.round((x0 - (10 * 72) / 25.4) / pitch)) + text;
        }
    }
    return lines.map(([size, text]) => size + text);
}

// Both printouts of a calculated sheet, and a print cancelled at once.
async function printouts() {
    const out = shots || scratch;
    const [report, form] = [path.join(out, 'report.pdf'), path.join(out, 'form.pdf')];
    await print('Control+d', 'portrait', 'HW-390', report);
    const ids = {};
    for (const [name] of [...entries, ...measured]) ids[name] = await box(name).getAttribute('id');
    const rows = desktopReport(ids, 'HW-390', await page.evaluate(() => tarnwickPage.shortDate()));
    // The page's report: lines, sizes, bold and blanks as the desktop's.
    const laid = await page.$$eval('#printout .report-line', (lines) =>
        lines.map((l) => `${parseFloat(l.style.fontSize)}${getComputedStyle(l).fontWeight === '700' ? 'b' : ''} ` +
            l.textContent.replace('\u00a0', '')));
    check(laid.join('\n') === rows.join('\n'), `the page's report:\n${laid.join('\n')}\nnot the desktop's:\n${rows.join('\n')}`);
    // The PDF: that report alone, each line in its size and columns.
    const want = rows.map((row) => row.replace(/^(\d+)b?/, '$1').trimEnd()).filter((row) => /^\d+ ./.test(row));
    const got = pdfLines(report);
    check(got.join('\n') === want.join('\n'), `the report's PDF holds:\n${got.join('\n')}\nnot:\n${want.join('\n')}`);
    check(pdfPages(report).endsWith(' portrait'), `the report's PDF is ${pdfPages(report)}`);

    // The form: every caption and figure of the sheet on one landscape page.
    await print('Control+f', 'landscape', null, form);
    check(pdfPages(form) === '1 landscape', `the form's PDF is ${pdfPages(form)}`);
    const text = execFileSync('pdftotext', ['-layout', form, '-'], { encoding: 'utf8' }).replace(/\s+/g, ' ');
    const shown = await page.$$eval('#sheet .label:not(.echo), #sheet .field', (elements) =>
        elements.map((e) => (e.value ?? e.textContent).replace(/\s+/g, ' ').trim()).filter((t) => t));
    const missing = shown.filter((t) => !text.includes(t));
    check(missing.length === 0, `the form's PDF lacks ${JSON.stringify(missing)}:\n${text}`);

    // A print dialog cancelled: the sheet stays as it was.
    const sheet = () => page.$$eval('#sheet .field', (fields) =>
        fields.map((f) => `${f.value}:${f.dataset.colour}`).join(' ') + ' ' + document.activeElement.id);
    const before = await sheet();
    await print('Control+d', 'portrait', null, null);
    check((await sheet()) === before, 'a cancelled print changed the sheet');
}

// Reloads the page with the network gone: the service worker brings the
// calculator back from its cache, which calculates and prints. A new build's
// worker then fills its own cache and removes the old one.
async function offline(context, served) {
    page = await open(context);
    await page.goto('/');
    await page.waitForSelector('body[data-ready=true]', { timeout: 10000 });
    const worker = fs.readFileSync(path.join(served, 'sw.js'), 'utf8');
    const cache = /'(tarnwick-\w+)'/.exec(worker)[1];
    const files = /siteFiles = \[(.*)\]/.exec(worker)[1].split(',').length;
    await until(cached, `${cache}: ${files} files`, 'the cache after the first visit');
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('body[data-ready=true]', { timeout: 10000 });
    check(await page.evaluate(() => !navigator.onLine), 'the page is not offline');
    await enter([...entries, ...measured], 'click');
    await button('Calculate').click();
    await expectFields(calculated);
    check((await page.locator('dialog').count()) === 0, 'Calculate with every clearance measured opened a dialog');
    await printouts();

    await context.setOffline(false);
    const next = 'tarnwick-' + [...cache.slice(9)].reverse().join('');
    fs.writeFileSync(path.join(served, 'sw.js'), worker.replace(cache, next));
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await until(cached, `${next}: ${files} files`, 'the caches after a new build');
    await page.close();
}

// On a touch screen the page and its dialogs fit the screen's width:
// nothing beyond its edges, every field, option and button at least 44 px
// high, the numeric keyboard for every field but the identification.
async function expectFingerFit() {
    const width = page.viewportSize().width;
    const faults = await page.evaluate((width) => {
        const found = [];
        const wide = document.documentElement.scrollWidth;
        if (wide > width) found.push(`the page scrolls sideways to ${wide} px`);
        for (const e of document.querySelectorAll('#app *, dialog *')) {
            const edges = e.getBoundingClientRect();
            if (edges.width === 0 && edges.height === 0) continue;
            const what = `${e.tagName} "${e.getAttribute('aria-label') || e.textContent.trim().slice(0, 40)}"`;
            if (edges.left < 0 || edges.right > width) found.push(`${what} spans ${edges.left}..${edges.right} px`);
            if (e.matches('.field, .option, button') && edges.height < 44) found.push(`${what} is ${edges.height} px high`);
            const decimal = e.getAttribute('aria-label') !== 'Elevator Identification';
            if (e.matches('.field') && (e.inputMode === 'decimal') !== decimal) found.push(`${what}: inputmode "${e.inputMode}"`);
        }
        return found;
    }, width);
    check(faults.length === 0, `at ${width} px:\n    ${faults.join('\n    ')}`);
}

// A whole-page picture as the device shows it; the library's full-page
// screenshot lays the page out anew without the touch screen's coarse pointer.
async function shootWhole(name) {
    if (!shots) return;
    const cdp = await page.context().newCDPSession(page);
    const height = await page.evaluate(() => document.documentElement.scrollHeight);
    const { width } = page.viewportSize();
    await cdp.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: 1, mobile: true });
    const { data } = await cdp.send('Page.captureScreenshot', { format: 'png' });
    fs.writeFileSync(path.join(shots, name + '.png'), Buffer.from(data, 'base64'));
}

// The session by finger on a phone or a tablet.
async function touchSession(browser, baseURL, [device, width, height]) {
    const context = await browser.newContext({ viewport: { width, height }, hasTouch: true, isMobile: true, baseURL });
    page = await open(context);
    await page.goto('/');
    await page.waitForSelector('body[data-ready=true]', { timeout: 10000 });
    await expectGridPlaces(true);
    await enter(entries, 'tap');
    await button('Calculate').tap();
    const first = await answer(caution, 'You do not have the minimum clearance for one or more of your entries !', null);
    await expectFingerFit();
    await first.getByRole('button', { name: 'OK', exact: true }).tap();
    await answer(caution, 'You do not have enough top counterweight clearance !', 'tap');
    await enter(measured, 'tap');
    await button('Calculate').tap();
    await expectFields(calculated);
    await expectFingerFit();
    await shootWhole(`${device}-${width}x${height}`);
    await context.close();
}

async function open(context) {
    const opened = await context.newPage();
    opened.setDefaultTimeout(5000);
    opened.on('pageerror', (error) => errors.push(error.message));
    opened.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
    return opened;
}

(async () => {
    const begun = Date.now();
    // A copy of the site, which a new build replaces in part.
    scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-browser-test-'));
    const served = path.join(scratch, 'site');
    fs.cpSync(site, served, { recursive: true });
    const server = await serve(served, 0);
    const baseURL = `http://127.0.0.1:${server.address().port}`;
    const browser = await chromium();
    let failure = null;
    try {
        const context = await browser.newContext({ viewport: { width: 1000, height: 800 }, baseURL });
        page = await open(context);
        await session();
        await offline(context, served);
        for (const device of [['phone', 360, 740], ['phone', 390, 844], ['tablet', 768, 1024]]) {
            await touchSession(browser, baseURL, device);
        }
        check(errors.length === 0, 'the page reported errors:\n    ' + errors.join('\n    '));
    } catch (error) {
        failure = error;
    } finally {
        await browser.close();
        server.close();
        fs.rmSync(scratch, { recursive: true, force: true });
    }
    if (failure) {
        // The step of the session that failed, without the library's frames.
        const steps = String(failure.stack).split('\n').filter((line) => line.includes(__filename));
        console.error(`browser test FAILED: ${failure.message}\n${steps.join('\n')}`);
        process.exit(1);
    }
    console.log(`browser test passed in ${((Date.now() - begun) / 1000).toFixed(1)} s`);
})();
