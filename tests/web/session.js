// What the browser tests ask of the page, the same in every engine, over a
// driver of drivers.js; and the worked example they type.
'use strict';

const { served, inPage, pause } = require('./drivers.js');

const json = JSON.stringify;
// A script for the page: `body` may call the page-side functions of drivers.js.
const script = (body) => `(async () => {${inPage}\n${body}})()`;

// Waits until `probe` gives `wanted`; fails naming `what` and the last value.
async function until(probe, wanted, what, ms = 5000) {
    let last;
    for (const end = Date.now() + ms; Date.now() < end; await pause()) {
        last = await probe();
        if (json(last) === json(wanted)) return;
    }
    throw new Error(`${what}: expected ${json(wanted)}, found ${json(last)}`);
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
        ready: () => until(() => d.run('document.body.dataset.ready === "true"'), true, 'the sheet ready', 15000),
        // The site at `url`, its sheet ready.
        open: async (url) => {
            await d.goto(url);
            await s.ready();
        },
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
        // Into the first field as it stands, then Tab to each next one.
        typeInto: async (pairs) => {
            for (const [i, [name, text]] of pairs.entries()) {
                if (i > 0) await d.press('Tab');
                await s.focus('textbox', name);
                await d.type(text);
            }
        },
        // Into each field by a click.
        enter: async (pairs) => {
            for (const [name, text] of pairs) {
                await d.click('textbox', name);
                await s.focus('textbox', name);
                await d.type(text);
            }
        },
        // The worked example: its entries and Calculate, both cautions
        // answered.
        calculate: async () => {
            await s.enter(entries);
            await d.click('button', 'Calculate');
            for (const caution of cautions) {
                await s.answer('Caution !!', caution, null);
                await d.press('Enter');
            }
            await until(s.dialogs, 0, 'the cautions answered');
        },
        // The page the calculator leaves when it closes.
        closed: () => until(() => d.run(script(`return !!find('button', 'Start Tarnwick again') &&
            document.getElementById('closed').innerText.includes('Tarnwick has closed.');`)), true, 'the closed page'),
        // The sheet as it stood; a fault names the elements that differ.
        sheetAs: async (wanted, what) => {
            let found = [];
            for (const end = Date.now() + 5000; Date.now() < end; await pause()) {
                found = await s.state();
                if (json(found) === json(wanted)) return;
            }
            const differ = wanted.map((w, i) => [w, found[i]]).filter(([w, f]) => w !== f);
            const shown = differ.slice(0, 6).map(([w, f]) => `expected ${w}, found ${f}`);
            if (differ.length > shown.length) shown.push(`and ${differ.length - shown.length} more`);
            throw new Error(`${what}: ${differ.length} elements differ:\n    ${shown.join('\n    ')}`);
        },
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
    };
    return s;
}

module.exports = { session, until, script, json, entries, measured, cautions };
