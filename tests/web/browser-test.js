// node tests/web/browser-test.js SITE_DIR: plays one inspector's session
// through the page in Debian's chromium, finding every element by its role
// and accessible name, and checks the figures, colours, dialogs and focus
// against what the scenario runner shows for the same session; axe-core
// looks at the sheet and at an open message box. TARNWICK_SHOTS=DIR also
// saves the session's pictures there.
'use strict';

const path = require('path');
const { chromium } = require('playwright-core');
const { serve } = require('../../ui/web/serve.js');

const site = process.argv[2];
if (!site) {
    console.error('usage: node tests/web/browser-test.js SITE_DIR');
    process.exit(2);
}
const shots = process.env.TARNWICK_SHOTS;
let page;

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

// A message box is open with this title and prompt; `key` answers it.
async function answer(title, prompt, key, focusedButton = 'OK') {
    const dialog = page.getByRole('dialog', { name: title, exact: true });
    await dialog.waitFor({ timeout: 5000 }).catch(() => {
        throw new Error(`no "${title}" dialog (prompt "${prompt}")`);
    });
    const shown = await dialog.locator('.prompt').innerText();
    check(shown === prompt.replace(/\r\n/g, '\n'), `"${title}" says ${JSON.stringify(shown)}, not ${JSON.stringify(prompt)}`);
    check((await dialog.getAttribute('aria-modal')) === 'true', `"${title}" is not aria-modal`);
    await expectFocus(dialog.getByRole('button', { name: focusedButton, exact: true }), `the ${focusedButton} button of "${title}"`);
    if (key) {
        await page.keyboard.press(key);
        await dialog.waitFor({ state: 'detached', timeout: 5000 });
    }
    return dialog;
}

async function typeInto(entries) {
    for (const [i, [name, text]] of entries.entries()) {
        if (i > 0) await page.keyboard.press('Tab');
        await expectFocus(box(name), `"${name}"`);
        await page.keyboard.type(text);
    }
}

async function axe(when) {
    if (!(await page.evaluate(() => 'axe' in window))) {
        await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
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

const caution = 'Caution !!';
const closeQuestion = 'Close Tarnwick?';
const closePrompt = 'Do you wish to close the calculator....select no or you will loose all of your work!';
const oilCard =
    'Use the following formulas to find the buffer strokes for rated speeds that are not listed \r\n' +
    'in Table 201.4a ( A17.1-1996 ) or Table 2.22.4.1 ( A17.1 -2000 ) :\r\n\r\nIMPERIAL:\r\n\r\n' +
    ' ((  Rated Speed ( ft/min )  X 1.15  ) ^ 2 )    /  19320   =  Buffer Stroke ( in. )\r\n\r\nMETRIC:\r\n\r\n' +
    ' ((  Rated Speed ( m/s )  X 1.15  ) ^ 2 )   /  0.01963   =  Buffer Stroke ( mm )';
const differences = ['Crosshead', 'Refuge space', 'Guide shoes or gate posts', 'Equipment projecting above crosshead',
    'Obstruction above counterweight'].map((row) => `${row}, difference, IN`);

async function session() {
    const started = Date.now();
    await page.goto('/');
    await page.waitForSelector('body[data-ready=true]', { timeout: 10000 });
    console.log(`sheet ready ${Date.now() - started} ms after navigation`);
    await axe('with the sheet shown');
    await page.emulateMedia({ colorScheme: 'dark' });
    await axe('with the sheet shown in a dark theme');
    await page.emulateMedia({ colorScheme: 'light' });
    await expectFocus(box('Rated speed, FPM'), 'the rated speed at start');

    // The entries, by the keyboard; the metric column follows each one.
    await typeInto([['Rated speed, FPM', '700'], ['Counterweight runby, IN', '6'], ['Car runby, IN', '6'],
        ['Car and counterweight buffer stroke, IN', '33.25']]);
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
    await typeInto([['Crosshead, measured, IN', '90'], ['Refuge space, measured, IN', '100'],
        ['Guide shoes or gate posts, measured, IN', '60'], ['Equipment projecting above crosshead, measured, IN', '70'],
        ['Obstruction above counterweight, measured, IN', '75']]);
    await page.keyboard.press('Alt+R');
    await expectFields({ 'Maximum counterweight runby, IN': '7.98', 'Maximum counterweight runby, MM': '202.69',
        'Crosshead, difference, IN': '9.98', 'Refuge space, difference, IN': '1.98',
        'Obstruction above counterweight, difference, IN': '12.98' });
    await expectColours('yellow', [...differences, 'Maximum counterweight runby, IN']);
    await expectFocus(button('Max Runby'), 'Max Runby after its reaction');
    check((await page.locator('dialog').count()) === 0, 'Max Runby opened a dialog');
    await shoot('after-session');

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
    const closing = page.waitForEvent('close', { timeout: 5000 });
    await page.close({ runBeforeUnload: true });
    await closing.catch(() => {
        throw new Error('the page did not close with an empty sheet');
    });
    check(asked === 1, 'the leave-page question came with an empty sheet');
}

(async () => {
    const begun = Date.now();
    const server = await serve(site, 0);
    const browser = await chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
            '--disable-sync', '--no-first-run'],
    });
    const errors = [];
    let failure = null;
    try {
        const context = await browser.newContext({
            viewport: { width: 1000, height: 800 },
            baseURL: `http://127.0.0.1:${server.address().port}`,
        });
        page = await context.newPage();
        page.setDefaultTimeout(5000);
        page.on('pageerror', (error) => errors.push(error.message));
        page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
        await session();
        check(errors.length === 0, 'the page reported errors:\n    ' + errors.join('\n    '));
    } catch (error) {
        failure = error;
    } finally {
        await browser.close();
        server.close();
    }
    if (failure) {
        // The step of the session that failed, without the library's frames.
        const steps = String(failure.stack).split('\n').filter((line) => line.includes(__filename));
        console.error(`browser test FAILED: ${failure.message}\n${steps.join('\n')}`);
        process.exit(1);
    }
    console.log(`browser test passed in ${((Date.now() - begun) / 1000).toFixed(1)} s`);
})();
