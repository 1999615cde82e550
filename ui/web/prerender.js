// node prerender.js SOURCE_DIR SITE_DIR: writes SITE_DIR/index.html with the
// menu bar and the sheet as they stand after the start, with the page's style
// (SOURCE_DIR/style.css and the rules that place the sheet's elements in its
// grid) and its early scripts (SOURCE_DIR/early.js, which fetches the
// program, SOURCE_DIR/input.js, the page's input path, and SOURCE_DIR/keys.js,
// its keyboard) inline, so that the browser paints the sheet from the one
// file before the WebAssembly has arrived. Nothing here knows the sheet: the page's own scripts
// (SITE_DIR/tarnwick-page.js) build it over the program itself (tarnwick.js
// and tarnwick.wasm, started as in the browser) in the page's own document,
// read into a DOM without layout, and what they made is written out. The page then takes
// these elements over (tarnwickPage.make).
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const { JSDOM } = require('jsdom');

const [source, site] = process.argv.slice(2);
if (!source || !site) {
    console.error('usage: node prerender.js SOURCE_DIR SITE_DIR');
    process.exit(2);
}

// The page's own document, in a DOM without layout (Debian's node-jsdom):
// the source index.html with the page's scripts run in it. A style set on an
// element would be refused by the site's content security policy; the check
// below the builder's run says so.
function pageWindow(text) {
    const { window } = new JSDOM(text, { runScripts: 'outside-only', pretendToBeVisual: true });
    // The program places its window by the screen's width, as on a desktop.
    Object.defineProperty(window, 'innerWidth', { value: 1920 });
    return window;
}

// The menu bar's and the sheet's children, one a line (flex and block
// containers of blocks, where whitespace lays nothing out).
const inside = (element) => '\n' + [...element.children].map((child) => child.outerHTML).join('\n') + '\n';

function fill(page, id, element) {
    const open = new RegExp(`(<[a-z]+ id="${id}"[^>]*>)(</[a-z]+>)`);
    if (!open.test(page)) throw new Error(`index.html has no empty element with id ${id}`);
    return page.replace(open, (_, start, end) => start + inside(element) + end);
}

// Puts `text` into the page as the content of a `tag` element in place of
// `link`, and its digest into the policy's `directive`.
function inline(page, link, tag, text, directive) {
    if (!page.includes(link)) throw new Error(`index.html has no ${link}`);
    if (text.toLowerCase().includes(`</${tag}`)) throw new Error(`the inline ${tag} would end early`);
    const content = `\n${text}`;
    const digest = `'sha256-${crypto.createHash('sha256').update(content, 'utf8').digest('base64')}'`;
    const policy = new RegExp(`(http-equiv="Content-Security-Policy" content="[^"]*${directive} [^;"]*)`);
    if (!policy.test(page)) throw new Error(`index.html's policy has no ${directive}`);
    return page.replace(link, () => `<${tag}>${content}</${tag}>`).replace(policy, (_, rule) => `${rule} ${digest}`);
}

(async () => {
    let page = fs.readFileSync(path.join(source, 'index.html'), 'utf8');
    const window = pageWindow(page);
    const { document } = window;
    window.tarnwickWasm = window.WebAssembly.compile(fs.readFileSync(path.join(site, 'tarnwick.wasm')));
    const input = fs.readFileSync(path.join(source, 'input.js'), 'utf8');
    window.eval(input);
    for (const script of ['tarnwick-page.js', 'tarnwick.js']) window.eval(fs.readFileSync(path.join(site, script), 'utf8'));
    await window.tarnwickPage.boot();
    const styled = document.querySelector('#app [style]');
    if (styled) throw new Error(`the page sets a style on ${styled.id || styled.tagName}`);
    // The element the sheet's focus is on gets it once the whole sheet is
    // in (early.js): an autofocus gives it as soon as the element itself is,
    // when Tab would find the elements after it missing.
    if (document.activeElement !== document.body) document.activeElement.dataset.focus = '';

    page = page.replace(/<!--[^]*?-->\n?/g, '');
    page = fill(page, 'menubar', document.getElementById('menubar'));
    page = fill(page, 'sheet', document.getElementById('sheet'));
    // The description of the screen, by which the page's input takes what
    // the user does from the first paint and the page takes the sheet over,
    // and the digest of the sheet as written, which tells the page whether
    // the started sheet still needs copying in: data blocks, which no
    // browser runs, in the head, so that they are in before any element of
    // the sheet the user might type into.
    const { module } = window.tarnwickPage;
    const block = (id, json) =>
        `<script type="application/json" id="${id}">${json.replace(/</g, '\\u003c')}</script>\n`;
    if (!page.includes('</head>')) throw new Error('index.html has no </head>');
    page = page.replace('</head>', block('screen-description', module.screenDescription()) +
        block('written-sheet', JSON.stringify(module.shownDigest())) + '</head>');
    let style = fs.readFileSync(path.join(source, 'style.css'), 'utf8');
    style += '\n/* Where each element of the sheet stands in its grid, at the natural width\n' +
        '   and on a narrow screen (written by ui/web/prerender.js). */\n';
    for (const [name, declarations] of window.tarnwickPage.places) style += `.${name} { ${declarations}; }\n`;
    style += '/* The working\'s view, no wider than a card\'s lines. */\n' +
        `dialog.card .lines { max-width: ${window.tarnwickPage.screen.cardColumns}ch; }\n`;
    // The style and the early script go into the page itself, so that its
    // first paint waits for no second request; the page's policy allows
    // these two by their digests and no other inline style or script.
    const early = ['early.js', 'input.js', 'keys.js'].map((file) => fs.readFileSync(path.join(source, file), 'utf8')).join('\n');
    page = inline(page, '<link rel="stylesheet" href="style.css">', 'style', style, 'style-src');
    page = inline(page, '<script src="tarnwick-early.js"></script>', 'script', early, 'script-src');
    fs.writeFileSync(path.join(site, 'index.html'), page);
    process.exit(0);
})().catch((error) => {
    console.error('prerender.js:', error);
    process.exit(1);
});
