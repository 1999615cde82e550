// Debian's chromium as the browser tests launch it, and the drivers of the
// browser tests in the other engines: Debian's Firefox
// ESR through puppeteer-core over WebDriver BiDi, and WebKitGTK's
// MiniBrowser through WebKitWebDriver under Xvfb, each behind the same small
// set of calls (goto, run, click, type, press, viewport, pdf, close); and
// the page-side functions their scripts may call. What a driver cannot do is
// listed in its `lacks`.
'use strict';

const net = require('net');
const { spawn } = require('child_process');
const puppeteer = require('puppeteer-core');
const playwright = require('playwright-core');

const pause = (ms = 25) => new Promise((resolve) => setTimeout(resolve, ms));

// Debian's chromium through playwright-core, headless, reaching nothing
// beyond this machine.
function chromium() {
    return playwright.chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
            '--disable-sync', '--no-first-run'],
    });
}

// ---- In the page: elements by role and accessible name ----------------

// Runs inside the page: an element's accessible name, as far as this page
// gives them: its label, the element that labels it, its label element, or
// its text without the parts hidden from assistive technology.
function nameOf(e) {
    const labelledBy = e.getAttribute('aria-labelledby');
    if (e.getAttribute('aria-label')) return e.getAttribute('aria-label');
    if (labelledBy) return document.getElementById(labelledBy).textContent.trim();
    if (e.labels && e.labels.length) return e.labels[0].textContent.trim();
    const copy = e.cloneNode(true);
    for (const hidden of copy.querySelectorAll('[aria-hidden=true]')) hidden.remove();
    return copy.textContent.trim();
}

// Runs inside the page: the visible element of `role` named `name`, within
// the open dialog named `within` when given.
function find(role, name, within) {
    const selectors = {
        textbox: 'input',
        button: 'button',
        menuitem: '[role=menuitem]',
        radio: '[role=radio]',
        dialog: 'dialog[open]',
    };
    let scope = document;
    if (within) scope = [...document.querySelectorAll('dialog[open]')].find((d) => nameOf(d) === within);
    if (!scope) return null;
    return [...scope.querySelectorAll(selectors[role])].find((e) => nameOf(e) === name && e.getClientRects().length) || null;
}

// Runs inside the page: the focused element as "role "name"", with the
// dialog it lies in.
function focusedText() {
    const e = document.activeElement;
    if (!e || e === document.body) return 'nothing';
    const role = e.getAttribute('role') || { INPUT: 'textbox', BUTTON: 'button' }[e.tagName] || e.tagName;
    const dialog = e.closest('dialog');
    const title = dialog ? ` in "${dialog.querySelector('h2').textContent}"` : '';
    return `${role} "${nameOf(e)}"${title}`;
}

// Runs inside the page: everything the sheet shows, element by element.
function sheetState() {
    const state = [];
    for (const f of document.querySelectorAll('#sheet .field')) {
        state.push(`${f.id}=${JSON.stringify(f.value)} ${f.dataset.colour}${f.readOnly ? ' locked' : ''}`);
    }
    for (const e of document.querySelectorAll('#sheet button, #sheet [role=radio]')) {
        const off = e.disabled || e.getAttribute('aria-disabled') === 'true';
        state.push(`${e.id}${e.getAttribute('aria-checked') === 'true' ? ' checked' : ''}${off ? ' disabled' : ''}`);
    }
    state.push(`focus ${document.activeElement && document.activeElement.id}`);
    return state;
}

// The page-side functions every script may call.
const inPage = [nameOf, find, focusedText, sheetState].map(String).join('\n');

// ---- The drivers ------------------------------------------------------

// Firefox ESR over WebDriver BiDi, with a fresh profile that reaches nothing
// beyond this machine.
async function firefox() {
    const browser = await puppeteer.launch({
        browser: 'firefox',
        protocol: 'webDriverBiDi',
        executablePath: '/usr/bin/firefox-esr',
        headless: true,
        extraPrefsFirefox: {
            'network.captive-portal-service.enabled': false,
            'network.connectivity-service.enabled': false,
            'network.dns.disablePrefetch': true,
            'network.prefetch-next': false,
            'network.trr.mode': 5,
            'toolkit.telemetry.enabled': false,
            'toolkit.telemetry.server': '',
            'browser.region.network.url': '',
            'browser.topsites.contile.enabled': false,
            'extensions.systemAddon.update.enabled': false,
            'media.gmp-manager.url': '',
            // Alt alone must not take the focus to the browser's menu bar.
            'ui.key.menuAccessKeyFocuses': false,
        },
    });
    // A tab of its own: keys sent to the tab the browser opened with do not
    // press a focused button.
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
    // The leave-page question, when the page asks it, is answered Leave.
    page.on('dialog', (dialog) => dialog.accept());
    const chord = async (keys) => {
        const parts = keys.split('+');
        const key = parts.pop();
        for (const m of parts) await page.keyboard.down(m);
        await page.keyboard.press(key);
        for (const m of parts.reverse()) await page.keyboard.up(m);
    };
    return {
        name: 'firefox',
        version: await browser.version(),
        lacks: [
            'no offline switch over BiDi in puppeteer-core: the site\'s server is stopped instead',
            'no touch emulation over BiDi in puppeteer-core: the phone width is checked without a coarse pointer',
        ],
        errors,
        goto: (url) => page.goto(url),
        reload: () => page.reload(),
        run: (source) => page.evaluate(source),
        click: async (role, name, within) => {
            const args = JSON.stringify([role, name, within || null]).slice(1, -1);
            const handle = await page.evaluateHandle(`(() => {${inPage}\nreturn find(${args});})()`);
            const element = handle.asElement();
            if (!element) throw new Error(`no ${role} "${name}" to click`);
            await element.click();
            await handle.dispose();
        },
        type: (text) => page.keyboard.type(text),
        press: chord,
        viewport: (width, height) => page.setViewport({ width, height }).then(() => ''),
        // The page's own size rule is not taken whole over BiDi: the size
        // is given here.
        pdf: (landscape) => page.pdf({ format: 'letter', landscape }),
        close: () => browser.close(),
    };
}

// A free port on this machine.
function freePort() {
    return new Promise((resolve, reject) => {
        const probe = net.createServer().listen(0, '127.0.0.1', () => {
            const { port } = probe.address();
            probe.close(() => resolve(port));
        }).on('error', reject);
    });
}

// The W3C WebDriver keys this session presses.
const webDriverKeys = { Enter: '\uE007', Tab: '\uE004', Escape: '\uE00C', ArrowRight: '\uE014', Alt: '\uE00A',
    Control: '\uE009', Shift: '\uE008' };

// WebKitGTK's MiniBrowser through WebKitWebDriver, under its own Xvfb. The
// protocol is a few JSON requests, so this speaks it over fetch.
async function webkit() {
    const port = await freePort();
    const driver = spawn('xvfb-run', ['-a', '/usr/bin/WebKitWebDriver', `--port=${port}`],
        { detached: true, stdio: ['ignore', 'ignore', 'inherit'] });
    const stop = () => {
        try {
            process.kill(-driver.pid);
        } catch (error) {
            // Already gone.
        }
    };
    const base = `http://127.0.0.1:${port}`;
    let session = '';
    const call = async (method, where, body) => {
        const response = await fetch(`${base}${session && '/session/' + session}${where}`, {
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
        for (const end = Date.now() + 20000; ; await pause(100)) {
            try {
                if ((await call('GET', '/status')).ready) break;
            } catch (error) {
                if (Date.now() > end) throw new Error(`WebKitWebDriver did not start: ${error.message}`);
            }
        }
        const created = await call('POST', '/session', {
            capabilities: {
                alwaysMatch: {
                    'webkitgtk:browserOptions': {
                        binary: '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser',
                        args: ['--automation'],
                    },
                    // The leave-page question, when the page asks it, is
                    // answered Leave.
                    unhandledPromptBehavior: 'accept',
                },
            },
        });
        session = created.sessionId;
        const version = `${created.capabilities.browserName}/${created.capabilities.browserVersion}`;
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
        const key = (k) => webDriverKeys[k] || k;
        let framed = false;
        return {
            name: 'webkit',
            version,
            lacks: [
                'no offline switch in WebKitWebDriver: the site\'s server is stopped instead',
                'no touch emulation in WebKitWebDriver: the phone width is checked without a coarse pointer',
                'no print command in WebKitWebDriver: printing not checked',
                'no log of the page\'s errors in WebKitWebDriver: only the Firefox run checks there are none',
            ],
            errors: [],
            goto: (url) => call('POST', '/url', { url }),
            reload: () => call('POST', '/refresh', {}),
            run,
            click: async (role, name, within) => {
                const element = await call('POST', '/execute/sync', {
                    script: `${inPage}\nreturn find(...arguments);`,
                    args: [role, name, within || null],
                });
                if (!element) throw new Error(`no ${role} "${name}" to click`);
                await call('POST', `/element/${Object.values(element)[0]}/click`, {});
            },
            type: (text) => keys([...text].flatMap((c) => [{ type: 'keyDown', value: c }, { type: 'keyUp', value: c }])),
            press: (keysText) => {
                const parts = keysText.split('+').map(key);
                return keys([...parts.map((k) => ({ type: 'keyDown', value: k })),
                    ...parts.reverse().map((k) => ({ type: 'keyUp', value: k }))]);
            },
            // The window is sized so that the page's viewport is as asked.
            // MiniBrowser's window has a least width; a narrower viewport is
            // a frame of that size over the page, where the scripts then run.
            viewport: async (width, height) => {
                if (framed) {
                    await call('POST', '/frame/parent', {});
                    await run('document.getElementById("narrow-frame").remove()');
                    framed = false;
                }
                for (let round = 0; round < 3; ++round) {
                    const [inner, innerHeight] = await run('[innerWidth, innerHeight]');
                    if (inner === width && innerHeight === height) return '';
                    const rect = await call('GET', '/window/rect');
                    await call('POST', '/window/rect',
                        { width: rect.width + width - inner, height: rect.height + height - innerHeight });
                }
                const [inner] = await run('[innerWidth]');
                if (inner === width) return '';
                const frame = await call('POST', '/execute/sync', {
                    script: `const frame = document.createElement('iframe');
                        frame.id = 'narrow-frame';
                        frame.src = location.href;
                        frame.style = 'position: fixed; left: 0; top: 0; border: 0; z-index: 9; ' +
                            'width: ' + arguments[0] + 'px; height: ' + arguments[1] + 'px';
                        document.body.append(frame);
                        return frame;`,
                    args: [width, height],
                });
                await call('POST', '/frame', { id: frame });
                framed = true;
                return `its window is at least ${inner} px wide: the ${width} px width checked in a frame of ${width} x ${height}`;
            },
            pdf: null,
            close: async () => {
                await call('DELETE', '').catch(() => {});
                stop();
            },
        };
    } catch (error) {
        stop();
        throw error;
    }
}

module.exports = { chromium, firefox, webkit, inPage, pause };
