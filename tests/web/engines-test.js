// node tests/web/engines-test.js SITE_DIR: the browser test's main session in
// the other engines: Debian's Firefox ESR through puppeteer-core over
// WebDriver BiDi, and WebKitGTK's MiniBrowser through WebKitWebDriver under
// Xvfb. The worked example with its figures and colours, the two cautions,
// the measured clearances and Max Runby; a reload brings the whole sheet
// back, and Exit leaves an empty one; the reference card; the phone's width;
// and, with the site's server stopped, a reload from the service worker's
// cache that calculates. The session is written once, over a small driver
// for each engine; what an engine's driver cannot do is said, and skipped.
// TARNWICK_ENGINES=firefox (or webkit) runs one of them.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const { execFileSync } = require('child_process');
const { serve } = require('../../ui/web/serve.js');

const site = process.argv[2];
if (!site) {
    console.error('usage: node tests/web/engines-test.js SITE_DIR');
    process.exit(2);
}

const { firefox, webkit, inPage, pause } = require('./drivers.js');

// ---- The session, once, for every engine ------------------------------

const example = require('./session.js');
const { caution, closeQuestion, closePrompt, entries, measured, differences } = example;
// The card as the page shows it, one line feed a line.
const oilCard = example.oilCard.replace(/\r\n/g, '\n');
const calculated = { ...example.calculated, 'Maximum counterweight runby, MM': '202.69' };
const backgrounds = { white: 'rgb(255, 255, 255)', yellow: 'rgb(255, 255, 0)', red: 'rgb(255, 0, 0)' };

// A script for the page: `body` may call the page-side functions above.
const script = (body) => `(async () => {${inPage}\n${body}})()`;
const json = (value) => JSON.stringify(value);

async function session(d, baseURL, server, say) {
    // Waits until `probe` gives `wanted`; fails naming `what` and the last value.
    async function until(probe, wanted, what, ms = 5000) {
        let last;
        for (const end = Date.now() + ms; Date.now() < end; await pause()) {
            last = await probe();
            if (json(last) === json(wanted)) return;
        }
        throw new Error(`${what}: expected ${json(wanted)}, found ${json(last)}`);
    }
    const value = (name) => d.run(script(`const e = find('textbox', ${json(name)}); return e && e.value;`));
    const focus = (role, name, within) =>
        until(() => d.run(script('return focusedText();')), `${role} "${name}"${within ? ` in "${within}"` : ''}`,
            'the focus');
    const fields = async (figures) => {
        for (const [name, text] of Object.entries(figures)) await until(() => value(name), text, `"${name}"`);
    };
    const colours = async (colour, names) => {
        for (const name of names) {
            await until(() => d.run(script(`const e = find('textbox', ${json(name)});
                return e && [e.dataset.colour, getComputedStyle(e).backgroundColor];`)),
            [colour, backgrounds[colour]], `the colour of "${name}" and its paint`);
        }
    };
    const dialogs = () => d.run('document.querySelectorAll("dialog[open]").length');
    const ready = () => until(() => d.run('document.body.dataset.ready === "true"'), true, 'the sheet ready', 15000);
    // A message box with this title and prompt, its button focused; `key`
    // answers it.
    const answer = async (title, prompt, key, focused = 'OK') => {
        await until(() => d.run(script(`const box = find('dialog', ${json(title)});
            return box && [box.querySelector('.prompt').innerText, box.getAttribute('aria-modal')];`)),
        [prompt, 'true'], `the "${title}" message box`);
        await focus('button', focused, title);
        if (key) {
            await d.press(key);
            await until(dialogs, 0, `the "${title}" box closed by ${key}`);
        }
    };
    const typeInto = async (pairs) => {
        for (const [i, [name, text]] of pairs.entries()) {
            if (i > 0) await d.press('Tab');
            await focus('textbox', name);
            await d.type(text);
        }
    };
    const state = () => d.run(script('return sheetState();'));
    // The sheet as it stood; a fault names the elements that differ.
    const sheetAs = async (wanted, what) => {
        let found = [];
        for (const end = Date.now() + 5000; Date.now() < end; await pause()) {
            found = await state();
            if (json(found) === json(wanted)) return;
        }
        const differ = wanted.map((w, i) => [w, found[i]]).filter(([w, f]) => w !== f);
        const shown = differ.slice(0, 6).map(([w, f]) => `expected ${w}, found ${f}`);
        if (differ.length > shown.length) shown.push(`and ${differ.length - shown.length} more`);
        throw new Error(`${what}: ${differ.length} elements differ:\n    ${shown.join('\n    ')}`);
    };
    // A reload brings the sheet back as it stands, with no message again.
    const reloadKeepsSheet = async () => {
        const before = await state();
        await d.run('window.beforeTheReload = true');
        await d.reload();
        await until(() => d.run('document.readyState === "complete" && !window.beforeTheReload'), true, 'the page reloaded');
        await ready();
        await sheetAs(before, 'the sheet after the reload');
        await until(dialogs, 0, 'no message repeated after the reload');
    };

    let fresh;
    await say('the sheet, the service worker and its cache', async () => {
        await d.goto(baseURL + '/');
        await d.viewport(1000, 800);
        await ready();
        await focus('textbox', 'Rated speed, FPM');
        fresh = await state();
        // The worker fills its cache with every file of the site.
        const worker = fs.readFileSync(path.join(site, 'sw.js'), 'utf8');
        const cache = /'(tarnwick-\w+)'/.exec(worker)[1];
        const files = /siteFiles = \[(.*)\]/.exec(worker)[1].split(',').length;
        await until(() => d.run(`(async () => {
            const registration = await navigator.serviceWorker.getRegistration();
            if (!registration || !registration.active) return 'no active service worker';
            const names = (await caches.keys()).filter((name) => name.startsWith('tarnwick-'));
            const sizes = await Promise.all(names.map(async (name) => (await (await caches.open(name)).keys()).length));
            return names.map((name, i) => name + ': ' + sizes[i] + ' files').join(', ');
        })()`), `${cache}: ${files} files`, 'the cache after the first visit', 15000);
    });

    await say('the worked example by the keyboard, and the metric column', async () => {
        await typeInto(entries);
        await fields({ 'Rated speed, MPS': '3.56', 'Car runby, MM': '152.40', 'Car and counterweight buffer stroke, MM': '844.55' });
    });

    await say('Calculate with the two cautions, figures and colours', async () => {
        await d.press('Enter');
        await answer(caution, 'You do not have the minimum clearance for one or more of your entries !', null);
        // The sheet takes no command while the box is open (Alt+L is Clear All).
        await d.press('Alt+l');
        await d.press('Enter');
        await until(dialogs, 1, 'one message box at a time');
        await answer(caution, 'You do not have enough top counterweight clearance !', 'Enter');
        await fields({ 'Rated speed, FPM': '700', 'Minimum required buffer stroke, IN': '33.25',
            'Calculated car travel above top landing, IN': '56.02', 'Crosshead, IN': '80.02', 'Crosshead, MM': '2032.51',
            'Crosshead, difference, IN': '-80.02', 'Maximum counterweight runby, IN': '' });
        await colours('red', [...differences, 'Maximum counterweight runby, IN']);
        await colours('yellow', ['Crosshead, IN', 'Maximum counterweight runby, MM']);
        await colours('white', ['Rated speed, FPM', 'Crosshead, measured, IN']);
        await focus('textbox', 'Crosshead, measured, IN');
    });

    await say('a reload brings the sheet back with its red marks', reloadKeepsSheet);

    await say('the measured clearances and Max Runby', async () => {
        await typeInto(measured);
        await d.press('Alt+r');
        await fields({ 'Maximum counterweight runby, IN': '7.98', 'Maximum counterweight runby, MM': '202.69',
            'Crosshead, difference, IN': '9.98', 'Refuge space, difference, IN': '1.98',
            'Obstruction above counterweight, difference, IN': '12.98' });
        await colours('yellow', [...differences, 'Maximum counterweight runby, IN']);
        await focus('button', 'Max Runby');
        await until(dialogs, 0, 'no dialog after Max Runby');
    });

    await say('a reload brings the sheet back with Max Runby\'s figures and the focus on it', reloadKeepsSheet);

    await say('the oil buffers reference card', async () => {
        await d.press('Alt+f');
        await focus('menuitem', 'Stroke - Normal Buffers');
        await d.press('ArrowRight');
        await focus('menuitem', 'Oil');
        await d.press('Enter');
        await answer('Minimum Oil Buffer Strokes', oilCard, null);
        const font = await d.run(script(`const e = find('dialog', 'Minimum Oil Buffer Strokes').querySelector('.prompt');
            return getComputedStyle(e).fontFamily + ' ' + getComputedStyle(e).whiteSpace;`));
        if (!/mono/i.test(font) || !font.endsWith(' pre')) throw new Error(`the card is not unwrapped fixed-pitch text: ${font}`);
        await d.press('Escape');
        await until(dialogs, 0, 'the card closed by Escape');
        await focus('button', 'Max Runby');
    });

    await say('Exit, Yes and starting again give an empty sheet, and a reload keeps it so', async () => {
        await d.press('Alt+x');
        await answer(closeQuestion, closePrompt, null, 'Cancel');
        await d.click('button', 'Yes', closeQuestion);
        await until(() => d.run(script(`return !!find('button', 'Start Tarnwick again');`)), true, 'the closed page');
        await d.click('button', 'Start Tarnwick again');
        await focus('textbox', 'Rated speed, FPM');
        await sheetAs(fresh, 'the sheet after starting again');
        await d.reload();
        await ready();
        await sheetAs(fresh, 'the sheet after starting again and a reload');
    });

    await say('the phone width, 390 x 844: one column, nothing sideways', async () => {
        const note = await d.viewport(390, 844);
        if (note) console.log(`${d.name}: ${note}`);
        await ready();
        await until(() => d.run('[innerWidth, innerHeight]'), [390, 844], 'the viewport');
        const faults = await d.run(script(`
            const found = [];
            const width = innerWidth;
            const wide = document.documentElement.scrollWidth;
            if (wide > width) found.push('the page scrolls sideways to ' + wide + ' px');
            for (const e of document.querySelectorAll('#app *')) {
                const edges = e.getBoundingClientRect();
                if (edges.width === 0 && edges.height === 0) continue;
                if (edges.left < 0 || edges.right > width) {
                    found.push(e.tagName + ' "' + (e.getAttribute('aria-label') || e.textContent.trim().slice(0, 40)) +
                        '" spans ' + edges.left + '..' + edges.right + ' px');
                }
            }
            // One column: the questions, the data block and the large
            // commands one below the other; a caption above its field.
            const box = (selector) => document.querySelector(selector).getBoundingClientRect();
            const stack = ['#sheet .questions', '#sheet .data', '#sheet .large-buttons'].map(box);
            if (!(stack[0].bottom <= stack[1].top && stack[1].bottom <= stack[2].top)) found.push('the groups are not one column');
            const caption = [...document.querySelectorAll('#sheet .row-caption')]
                .find((e) => e.textContent.trim().startsWith('Rated speed')).getBoundingClientRect();
            if (caption.bottom > find('textbox', 'Rated speed, FPM').getBoundingClientRect().top) {
                found.push('the rated speed caption is not above its field');
            }
            return found;`));
        if (faults.length) throw new Error(`at 390 px:\n    ${faults.join('\n    ')}`);
    });

    await say('the server stopped: a reload from the cache, which calculates', async () => {
        await d.viewport(1000, 800);
        server.closeAllConnections();
        await new Promise((resolve) => server.close(resolve));
        await d.reload();
        await ready();
        await until(() => d.run('!!navigator.serviceWorker.controller'), true, 'the page served by the worker');
        for (const [name, text] of [...entries, ...measured]) {
            await d.click('textbox', name);
            await focus('textbox', name);
            await d.type(text);
        }
        await d.click('button', 'Calculate');
        await fields(calculated);
        await until(dialogs, 0, 'no dialog with every clearance measured');
    });

    if (!d.pdf) return;
    await say('the form printed to PDF holds every caption and figure', async () => {
        await d.run('window.printed = 0; window.print = () => ++window.printed;');
        await d.press('Control+f');
        // The identification first, which the form then shows.
        await focus('textbox', 'Do you wish to identify this elevator?', 'Elevator ID');
        await d.type('HW-390');
        await d.press('Enter');
        await until(() => d.run(script(`const box = find('dialog', 'Orientation');
            return box && box.querySelector('.reminder-message').innerText.includes(' landscape orientation');`)),
        true, 'the landscape reminder');
        await focus('button', 'OK', 'Orientation');
        await d.press('Enter');
        await until(() => d.run('window.printed'), 1, 'the print dialog of Ctrl+F');
        const pdf = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'tarnwick-engines-')), 'form.pdf');
        try {
            fs.writeFileSync(pdf, await d.pdf(true));
            const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
            const [, pages, width, height] = /Pages: +(\d+)[^]*Page size: +([\d.]+) x ([\d.]+)/.exec(info);
            if (pages !== '1' || Number(width) <= Number(height)) throw new Error(`the form's PDF is ${pages} pages of ${width} x ${height}`);
            // Ligatures ("ﬀ") as the letters they join.
            const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' })
                .normalize('NFKC').replace(/\s+/g, ' ');
            const shown = await d.run(`[...document.querySelectorAll('#sheet .label:not(.echo), #sheet .field')]
                .map((e) => (e.value ?? e.textContent).replace(/\\s+/g, ' ').trim()).filter((t) => t)`);
            const missing = shown.filter((t) => !text.includes(t));
            if (missing.length) throw new Error(`the form's PDF lacks ${json(missing)}`);
        } finally {
            fs.rmSync(path.dirname(pdf), { recursive: true, force: true });
        }
        await d.run('window.dispatchEvent(new Event("afterprint"))');
        await until(() => d.run('document.body.className + tarnwickPage.busy()'), 'false', 'the print done');
    });
}

async function engine(start) {
    const begun = Date.now();
    const server = await serve(site, 0);
    const baseURL = `http://127.0.0.1:${server.address().port}`;
    let d = null;
    let step = 'starting the browser';
    try {
        d = await start();
        console.log(`${d.name}: ${d.version} started in ${((Date.now() - begun) / 1000).toFixed(1)} s`);
        for (const lack of d.lacks) console.log(`${d.name}: ${lack}`);
        const say = async (what, body) => {
            step = what;
            const at = Date.now();
            await body();
            console.log(`${d.name}: ${what}: ok (${((Date.now() - at) / 1000).toFixed(1)} s)`);
        };
        await session(d, baseURL, server, say);
        step = 'the page\'s own reports';
        if (d.errors.length) throw new Error(`the page reported errors:\n    ${d.errors.join('\n    ')}`);
        console.log(`${d.name}: passed in ${((Date.now() - begun) / 1000).toFixed(1)} s`);
        return true;
    } catch (error) {
        console.error(`engines test FAILED in ${d ? d.name : start.name}, ${step}: ${error.message}`);
        return false;
    } finally {
        if (d) await d.close().catch(() => {});
        server.closeAllConnections();
        server.close();
    }
}

(async () => {
    const engines = { firefox, webkit };
    const chosen = process.env.TARNWICK_ENGINES ? process.env.TARNWICK_ENGINES.split(',') : Object.keys(engines);
    let passed = true;
    for (const name of chosen) passed = (await engine(engines[name])) && passed;
    process.exit(passed ? 0 : 1);
})();
