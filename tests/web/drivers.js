// The browsers of the web tests behind one set of calls (goto, reload, run,
// click, type, paste, press, pdf, close; in Firefox and WebKit viewport):
// Debian's chromium (playwright-core), Firefox ESR (puppeteer-core over
// WebDriver BiDi) and WebKitGTK (WebKitWebDriver under Xvfb), with what each
// cannot do in its `lacks`; the page-side functions of their scripts; the site.
'use strict';

const net = require('net');
const { spawn } = require('child_process');
const { after } = require('node:test');
const puppeteer = require('puppeteer-core');
const playwright = require('playwright-core');
const { serve } = require('../../ui/web/serve.js');

const pause = (ms = 25) => new Promise((resolve) => setTimeout(resolve, ms));

// The built site, as check-web.sh names it (`node --test` passes no arguments).
const site = process.env.TARNWICK_SITE;
if (!site) throw new Error(`usage: TARNWICK_SITE=SITE_DIR node --test ${process.argv[1]}`);

// The site served on a port of its own, a fresh origin, so that nothing a tab
// kept carries over; every server and chromium stop when the tests end.
const servers = [];
async function served(dir = site) {
    const server = await serve(dir, 0, '127.0.0.1');
    server.url = `http://127.0.0.1:${server.address().port}/`;
    servers.push(server);
    return server;
}
const stop = (server) => new Promise((resolve) => {
    server.closeAllConnections();
    server.close(resolve);
});

// Debian's chromium, headless, reaching nothing beyond this machine;
// launched once, for every tab.
let launched = null;
const chromium = () => (launched ??= playwright.chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
        '--disable-sync', '--no-first-run'],
}));
after(async () => {
    await Promise.all(servers.map(stop));
    if (launched) await (await launched).close();
});

// An element's accessible name, as far as this page gives them: its label,
// the element that labels it, its label element, or its text without the
// parts hidden from assistive technology.
function nameOf(e) {
    const labelledBy = e.getAttribute('aria-labelledby');
    if (e.getAttribute('aria-label')) return e.getAttribute('aria-label');
    if (labelledBy) return document.getElementById(labelledBy).textContent.trim();
    if (e.labels && e.labels.length) return e.labels[0].textContent.trim();
    const copy = e.cloneNode(true);
    for (const hidden of copy.querySelectorAll('[aria-hidden=true]')) hidden.remove();
    return copy.textContent.trim();
}

// The visible element of `role` named `name` (or the element of that id, or
// the first match of that selector), within the open dialog named `within`.
function find(role, name, within) {
    if (role === 'id') return document.getElementById(name);
    if (role === 'css') return document.querySelector(name);
    const selectors = { textbox: 'input', button: 'button', menuitem: '[role=menuitem]', dialog: 'dialog[open]' };
    const scope = within ? [...document.querySelectorAll('dialog[open]')].find((d) => nameOf(d) === within) : document;
    return [...(scope || document.createDocumentFragment()).querySelectorAll(selectors[role])]
        .find((e) => nameOf(e) === name && e.getClientRects().length) || null;
}

// The focused element as `role "name"`, with the dialog it lies in.
function focusedText() {
    const e = document.activeElement;
    if (!e || e === document.body) return 'nothing';
    const role = e.getAttribute('role') || { INPUT: 'textbox', BUTTON: 'button' }[e.tagName] || e.tagName;
    const dialog = e.closest('dialog');
    return `${role} "${nameOf(e)}"${dialog ? ` in "${dialog.querySelector('h2').textContent}"` : ''}`;
}

// Everything the sheet shows, element by element.
function sheetState() {
    const fields = [...document.querySelectorAll('#sheet .field')]
        .map((f) => `${f.id}=${JSON.stringify(f.value)} ${f.dataset.colour}${f.readOnly ? ' locked' : ''}`);
    const commands = [...document.querySelectorAll('#sheet button, #sheet [role=radio]')].map((e) => e.id +
        (e.getAttribute('aria-checked') === 'true' ? ' checked' : '') +
        (e.disabled || e.getAttribute('aria-disabled') === 'true' ? ' disabled' : ''));
    return [...fields, ...commands, `focus ${document.activeElement && document.activeElement.id}`];
}

// The page-side functions every script may call.
const inPage = [nameOf, find, focusedText, sheetState].map(String).join('\n');

// The calls over playwright's or puppeteer's page, which keep its errors and
// answer the leave-page question Leave unless `leave` is false, counting it.
function pageDriver(page, d, own) {
    page.on('pageerror', (error) => d.errors.push(error.message));
    page.on('console', (m) => m.type() === 'error' && d.errors.push(m.text()));
    page.on('dialog', (dialog) => {
        if (dialog.type() === 'beforeunload') ++d.asked;
        return d.leave === false ? dialog.dismiss() : dialog.accept();
    });
    return Object.assign(d, {
        errors: [], asked: 0,
        reload: () => page.reload(),
        run: (source) => page.evaluate(source),
        // Clicks (or taps) the element that find() gives.
        click: async (role, name, within) => {
            const handle = await page.evaluateHandle(`(() => {${inPage}\nreturn find(...${JSON.stringify([role, name, within])});})()`);
            if (!handle.asElement()) throw new Error(`no ${role} "${name}" to click`);
            await handle.asElement()[d.tap ? 'tap' : 'click']();
            await handle.dispose();
        },
        type: (text) => page.keyboard.type(text),
        press: async (keys) => {
            const parts = keys.split('+');
            const key = parts.pop();
            for (const m of parts) await page.keyboard.down(m);
            await page.keyboard.press(key);
            for (const m of parts.reverse()) await page.keyboard.up(m);
        },
    }, own);
}

// A tab of chromium in a context of its own (`options` as playwright's
// newContext takes them; on a touch screen a click is a tap), or another tab
// of `shared`; `page` is playwright's, for what only chromium is asked.
async function chromiumTab(options = {}, shared = null) {
    const browser = await chromium();
    const context = shared || await browser.newContext({ viewport: { width: 1000, height: 800 }, ...options });
    const page = await context.newPage();
    page.setDefaultTimeout(10000);
    return pageDriver(page, { name: 'chromium', lacks: {}, tap: options.hasTouch, page, context }, {
        // On from the first paint: the tests wait for what they need.
        goto: (url) => page.goto(url, { waitUntil: 'commit' }),
        paste: (text) => page.keyboard.insertText(text),
        // Under print media the page's own size rule gives the paper.
        pdf: async () => {
            await page.emulateMedia({ media: 'print' });
            const pdf = await page.pdf({ preferCSSPageSize: true });
            await page.emulateMedia({ media: 'screen' });
            return pdf;
        },
        close: () => (shared ? page.close() : context.close()),
    });
}

// Firefox ESR over WebDriver BiDi, with a fresh profile that reaches nothing
// beyond this machine, in a tab of its own (keys sent to the tab it opened
// with do not press a focused button).
async function firefox() {
    const browser = await puppeteer.launch({
        browser: 'firefox', protocol: 'webDriverBiDi', executablePath: '/usr/bin/firefox-esr', headless: true,
        extraPrefsFirefox: {
            'network.captive-portal-service.enabled': false, 'network.connectivity-service.enabled': false,
            'network.dns.disablePrefetch': true, 'network.prefetch-next': false, 'network.trr.mode': 5,
            'toolkit.telemetry.enabled': false, 'toolkit.telemetry.server': '', 'browser.region.network.url': '',
            'browser.topsites.contile.enabled': false, 'extensions.systemAddon.update.enabled': false, 'media.gmp-manager.url': '',
            // Alt alone must not take the focus to the browser's menu bar.
            'ui.key.menuAccessKeyFocuses': false,
        },
    });
    const page = await browser.newPage();
    return pageDriver(page, { name: 'firefox' }, {
        lacks: {
            offline: 'no offline switch over BiDi in puppeteer-core: the site\'s server is stopped instead',
            touch: 'no touch emulation over BiDi in puppeteer-core: the phone width is checked in a frame of its size',
        },
        goto: (url) => page.goto(url),
        paste: (text) => page.keyboard.sendCharacter(text),
        viewport: (width, height) => page.setViewport({ width, height }),
        // The page's own size rule is not taken whole over BiDi: the size is given here.
        pdf: (landscape) => page.pdf({ format: 'letter', landscape }),
        close: () => browser.close(),
    });
}

// The W3C WebDriver keys the tests press.
const webDriverKeys = { Enter: '\uE007', Tab: '\uE004', Escape: '\uE00C', ArrowRight: '\uE014', Alt: '\uE00A',
    Control: '\uE009', Shift: '\uE008', Backspace: '\uE003', F1: '\uE031', F2: '\uE032' };

// WebKitGTK's MiniBrowser through WebKitWebDriver, under its own Xvfb, on a
// free port. The protocol is a few JSON requests, spoken here over fetch.
async function webkit() {
    const probe = net.createServer().listen(0, '127.0.0.1');
    await new Promise((resolve) => probe.on('listening', resolve));
    const { port } = probe.address();
    probe.close();
    const driver = spawn('xvfb-run', ['-a', '/usr/bin/WebKitWebDriver', `--port=${port}`],
        { detached: true, stdio: ['ignore', 'ignore', 'inherit'] });
    const end = () => {
        try { process.kill(-driver.pid); } catch (error) { /* gone already */ }
    };
    let session = '';
    const call = async (method, where, body) => {
        const response = await fetch(`http://127.0.0.1:${port}${session && '/session/' + session}${where}`, {
            method,
            headers: { 'Content-Type': 'application/json' },
            body: body && JSON.stringify(body),
            // A driver that stops answering fails the run instead of holding it.
            signal: AbortSignal.timeout(30000),
        });
        const { value } = await response.json();
        if (value && value.error) throw new Error(`WebKitWebDriver ${method} ${where}: ${value.error}: ${value.message}`);
        return value;
    };
    try {
        for (const until = Date.now() + 20000; !(await call('GET', '/status').catch(() => ({}))).ready; await pause(100)) {
            if (Date.now() > until) throw new Error('WebKitWebDriver did not start');
        }
        // The leave-page question, when the page asks it, is answered Leave.
        session = (await call('POST', '/session', { capabilities: { alwaysMatch: {
            'webkitgtk:browserOptions': { binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser', args: ['--automation'] },
            unhandledPromptBehavior: 'accept',
        } } })).sessionId;
        // A script's value, or its exception, comes back through the callback.
        const run = async (source) => {
            const { value, error } = await call('POST', '/execute/async', {
                script: `const done = arguments[0];
                    Promise.resolve().then(() => ${source})
                        .then((value) => done({ value }), (error) => done({ error: String(error && error.stack || error) }));`,
                args: [],
            });
            if (error) throw new Error(error);
            return value;
        };
        const keys = (actions) => call('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
        return {
            name: 'webkit',
            lacks: {
                offline: 'no offline switch in WebKitWebDriver: the site\'s server is stopped instead',
                touch: 'no touch emulation in WebKitWebDriver: the phone width is checked in a frame of its size',
                pdf: 'no print command in WebKitWebDriver: printing not checked',
            },
            // No log of the page's errors in WebKitWebDriver: the other engines check there are none.
            errors: [],
            goto: (url) => call('POST', '/url', { url }),
            reload: () => call('POST', '/refresh', {}),
            run,
            click: async (role, name, within) => {
                const element = await call('POST', '/execute/sync',
                    { script: `${inPage}\nreturn find(...arguments);`, args: [role, name, within] });
                if (!element) throw new Error(`no ${role} "${name}" to click`);
                await call('POST', `/element/${Object.values(element)[0]}/click`, {});
            },
            type: (text) => keys([...text].flatMap((value) => [{ type: 'keyDown', value }, { type: 'keyUp', value }])),
            // The whole text in one change, as a paste gives it.
            paste: (text) => run(`document.execCommand('insertText', false, ${JSON.stringify(text)})`),
            press: (chord) => {
                const parts = chord.split('+').map((k) => webDriverKeys[k] || k);
                return keys([...parts.map((value) => ({ type: 'keyDown', value })),
                    ...parts.reverse().map((value) => ({ type: 'keyUp', value }))]);
            },
            // The window is sized so that the page's viewport is as asked.
            viewport: async (width, height) => {
                for (let round = 0; round < 3; ++round) {
                    const [inner, innerHeight] = await run('[innerWidth, innerHeight]');
                    if (inner === width && innerHeight === height) return;
                    const rect = await call('GET', '/window/rect');
                    await call('POST', '/window/rect', { width: rect.width + width - inner, height: rect.height + height - innerHeight });
                }
            },
            pdf: null,
            close: async () => {
                await call('DELETE', '').catch(() => {});
                end();
            },
        };
    } catch (error) {
        end();
        throw error;
    }
}

module.exports = { site, served, stop, chromium, chromiumTab, firefox, webkit, inPage, pause };
