// What the browser tests ask of the page, the same in every engine, over a
// driver of drivers.js; and the worked example they type.
'use strict';

const assert = require('node:assert/strict');
const { served, inPage, pause } = require('./drivers.js');

const json = JSON.stringify;
// A script for the page: `body` may call the page-side functions of drivers.js.
const script = (body) => `(async () => {${inPage}\n${body}})()`;

// Waits until `probe` gives `wanted`; fails with what it gave last.
async function until(probe, wanted, what, ms = 5000) {
    let last;
    for (const end = Date.now() + ms; json((last = await probe())) !== json(wanted) && Date.now() < end;) await pause();
    assert.deepEqual(last, wanted, what);
}

const entries = [['Rated speed, FPM', '700'], ['Counterweight runby, IN', '6'], ['Car runby, IN', '6'],
    ['Car and counterweight buffer stroke, IN', '33.25']];
const measured = [['Crosshead, measured, IN', '90'], ['Refuge space, measured, IN', '100'],
    ['Guide shoes or gate posts, measured, IN', '60'], ['Equipment projecting above crosshead, measured, IN', '70'],
    ['Obstruction above counterweight, measured, IN', '75']];
const cautions = ['You do not have the minimum clearance for one or more of your entries !',
    'You do not have enough top counterweight clearance !'];

// The calls of a session in the page of driver `d`.
function session(d) {
    const s = {
        d,
        value: (name) => d.run(script(`const e = find('textbox', ${json(name)}); return e && e.value;`)),
        fields: async (figures) => {
            for (const [name, text] of Object.entries(figures)) await until(() => s.value(name), text, `"${name}"`);
        },
        focus: (role, name, within) => until(() => d.run(script('return focusedText();')),
            `${role} "${name}"${within ? ` in "${within}"` : ''}`, 'the focus'),
        dialogs: () => d.run('document.querySelectorAll("dialog[open]").length'),
        state: () => d.run(script('return sheetState();')),
        sheetAs: (wanted, what) => until(s.state, wanted, what),
        ready: () => until(() => d.run('document.body?.dataset.ready === "true"'), true, 'the sheet ready', 15000),
        open: (url) => d.goto(url).then(s.ready),
        // The site on a fresh origin (so that no kept sheet carries over) at
        // `s.url`, the focus on the rated speed.
        fresh: async () => {
            await s.open((s.url = (await served()).url));
            await s.focus('textbox', 'Rated speed, FPM');
        },
        // A message box with this title and prompt (any, when null), modal,
        // its button `focused` focused; `key` answers it.
        answer: async (title, prompt, key, focused = 'OK') => {
            const text = prompt === null ? 'null' : "box.querySelector('.prompt').innerText";
            await until(() => d.run(script(`const box = find('dialog', ${json(title)});
                return box && [${text}, box.getAttribute('aria-modal')];`)), [prompt, 'true'], `the "${title}" message box`);
            await s.focus('button', focused, title);
            if (!key) return;
            await d.press(key);
            await until(s.dialogs, 0, `the "${title}" box closed by ${key}`);
        },
        // Into each field by Tab from the first, or by a click.
        typeInto: async (pairs, click = false) => {
            for (const [i, [name, text]] of pairs.entries()) {
                if (click) await d.click('textbox', name);
                else if (i > 0) await d.press('Tab');
                await s.focus('textbox', name);
                await d.type(text);
            }
        },
        enter: (pairs) => s.typeInto(pairs, true),
        // A reload brings the sheet back as it stands, with no message again.
        reloadKeepsSheet: async () => {
            const before = await s.state();
            await d.run('window.beforeTheReload = true');
            await d.reload();
            await until(() => d.run('document.readyState === "complete" && !window.beforeTheReload'), true, 'the page reloaded');
            await s.ready();
            await s.sheetAs(before, 'the sheet after the reload');
            await until(s.dialogs, 0, 'no message repeated after the reload');
        },
        // Exit by its access key, answered Yes: the calculator closes.
        exit: async () => {
            await d.press('Alt+x');
            await s.answer('Close Tarnwick?', null, null, 'Cancel');
            await d.click('button', 'Yes', 'Close Tarnwick?');
            await s.closed();
        },
        // The page the calculator leaves when it closes.
        closed: () => until(() => d.run(script(`return !!find('button', 'Start Tarnwick again') &&
            document.getElementById('closed').innerText.includes('Tarnwick has closed.');`)), true, 'the closed page'),
    };
    return s;
}

module.exports = { session, until, script, json, entries, measured, cautions };
