// node prerender.js SOURCE_DIR SITE_DIR: writes SITE_DIR/index.html with the
// menu bar and the sheet as they stand after the start, with the page's style
// (SOURCE_DIR/style.css and the rules that place the sheet's elements in its
// grid) and its early scripts (SOURCE_DIR/early.js, which fetches the
// program, and SOURCE_DIR/input.js, the page's input path) inline, so that the
// browser paints the sheet from the one file before the WebAssembly has
// arrived. Nothing here knows the sheet: the page's own scripts
// (SITE_DIR/tarnwick-page.js) build it over the program itself (tarnwick.js
// and tarnwick.wasm, started as in the browser) in a small stand-in for the
// browser's document, and what they made is written out. The page then takes
// these elements over (tarnwickPage.make).
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const vm = require('vm');

const [source, site] = process.argv.slice(2);
if (!source || !site) {
    console.error('usage: node prerender.js SOURCE_DIR SITE_DIR');
    process.exit(2);
}

// The document, as far as the page's builder and mirror use it while the
// sheet is built and started. A style set on an element would be refused by
// the site's content security policy, so the stand-in has none to set.
const booleans = new Set(['hidden', 'readonly', 'disabled', 'autofocus']);
const kebab = (name) => name.replace(/[A-Z]/g, (c) => '-' + c.toLowerCase());

class Text {
    constructor(data) {
        this.data = String(data);
    }
    get textContent() {
        return this.data;
    }
}

class Element {
    constructor(tag) {
        this.tagName = tag.toUpperCase();
        this.attributes = new Map();
        this.childNodes = [];
        this.parentNode = null;
        this.dataset = new Proxy(
            {},
            {
                get: (_, key) => this.getAttribute('data-' + kebab(String(key))) ?? undefined,
                set: (_, key, value) => {
                    this.setAttribute('data-' + kebab(String(key)), value);
                    return true;
                },
            });
        const element = this;
        this.classList = {
            contains: (name) => element.className.split(' ').includes(name),
            add(name) {
                if (!this.contains(name)) element.className = (element.className + ' ' + name).trim();
            },
            remove(name) {
                element.className = element.className.split(' ').filter((c) => c !== name).join(' ');
            },
            toggle(name, on = !this.contains(name)) {
                if (on) this.add(name);
                else this.remove(name);
                return on;
            },
        };
    }
    getAttribute(name) {
        return this.attributes.has(name) ? this.attributes.get(name) : null;
    }
    setAttribute(name, value) {
        if (name === 'style' || name.startsWith('on')) throw new Error(`the page sets ${name} on ${this.tagName}`);
        this.attributes.set(name, String(value));
    }
    hasAttribute(name) {
        return this.attributes.has(name);
    }
    removeAttribute(name) {
        this.attributes.delete(name);
    }
    get children() {
        return this.childNodes.filter((node) => node instanceof Element);
    }
    get parentElement() {
        return this.parentNode;
    }
    get nextElementSibling() {
        const siblings = this.parentNode ? this.parentNode.children : [];
        return siblings[siblings.indexOf(this) + 1] || null;
    }
    append(...nodes) {
        for (const item of nodes) {
            const node = item instanceof Element || item instanceof Text ? item : new Text(item);
            if (node.parentNode) node.parentNode.childNodes.splice(node.parentNode.childNodes.indexOf(node), 1);
            node.parentNode = this;
            this.childNodes.push(node);
        }
    }
    get textContent() {
        return this.childNodes.map((node) => node.textContent).join('');
    }
    set textContent(text) {
        for (const node of this.childNodes) node.parentNode = null;
        this.childNodes = [];
        if (text !== '') this.append(text);
    }
    *descendants() {
        for (const child of this.children) {
            yield child;
            yield* child.descendants();
        }
    }
    // Only what the builder asks for: an element by one of its classes.
    querySelector(selector) {
        const match = /^\.([\w-]+)$/.exec(selector);
        if (!match) throw new Error(`the stand-in document has no selector ${selector}`);
        for (const e of this.descendants()) if (e.classList.contains(match[1])) return e;
        return null;
    }
    contains(other) {
        for (let e = other; e; e = e.parentNode) if (e === this) return true;
        return false;
    }
    addEventListener() {}
    focus() {
        document.activeElement = this;
    }
    setSelectionRange() {}
}

// The element properties the page sets, as the attributes the browser keeps.
for (const [property, attribute, kind] of [
    ['id', 'id'], ['className', 'class'], ['type', 'type'], ['autocomplete', 'autocomplete'],
    ['inputMode', 'inputmode'], ['value', 'value'], ['htmlFor', 'for'],
    ['tabIndex', 'tabindex', Number], ['spellcheck', 'spellcheck', 'flag'],
    ['hidden', 'hidden', Boolean], ['readOnly', 'readonly', Boolean], ['disabled', 'disabled', Boolean],
]) {
    Object.defineProperty(Element.prototype, property, {
        get() {
            const value = this.getAttribute(attribute);
            if (kind === Boolean) return value !== null;
            if (kind === Number) return value === null ? -1 : Number(value);
            if (kind === 'flag') return value !== 'false';
            return value ?? '';
        },
        set(value) {
            if (kind === Boolean) {
                if (value) this.setAttribute(attribute, '');
                else this.removeAttribute(attribute);
            } else this.setAttribute(attribute, kind === 'flag' ? String(!!value) : value);
        },
    });
}
Element.prototype.selectionStart = 0;
Element.prototype.selectionEnd = 0;

// The body's elements the scripts look up; the menu bar and the sheet are
// filled by the builder.
const body = new Element('body');
const byId = {};
for (const [id, tag, parent] of [['app', 'div', 'body'], ['menubar', 'div', 'app'], ['sheet', 'main', 'app'],
    ['loading', 'p', 'body'], ['closed', 'section', 'body'], ['start-again', 'button', 'closed'],
    ['printout', 'div', 'body']]) {
    byId[id] = new Element(tag);
    byId[id].id = id;
    (parent === 'body' ? body : byId[parent]).append(byId[id]);
}
const document = {
    body,
    activeElement: body,
    createElement: (tag) => new Element(tag),
    getElementById(id) {
        for (const e of body.descendants()) if (e.id === id) return e;
        return null;
    },
    addEventListener() {},
};

Object.assign(globalThis, {
    window: globalThis,
    document,
    screen: { width: 1920 },
    innerWidth: 1920,
    isSecureContext: false,
    addEventListener() {},
    requestAnimationFrame: (callback) => setTimeout(callback, 0),
});
// Node 21 and later have a navigator of their own.
Object.defineProperty(globalThis, 'navigator', { value: {}, configurable: true });

const escape = (text) =>
    text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');

function html(node) {
    if (node instanceof Text) return escape(node.data);
    const tag = node.tagName.toLowerCase();
    let attributes = '';
    for (const [name, value] of node.attributes) {
        attributes += booleans.has(name) && value === '' ? ` ${name}` : ` ${name}="${escape(value)}"`;
    }
    if (tag === 'input') return `<${tag}${attributes}>`;
    // The sheet's grid one item a line: whitespace there lays nothing out.
    const between = node.classList.contains('data') ? '\n' : '';
    return `<${tag}${attributes}>${between}${node.childNodes.map(html).join(between)}${between}</${tag}>`;
}

// The menu bar's and the sheet's children, one a line (flex and block
// containers of blocks, where whitespace lays nothing out).
const inside = (element) => '\n' + element.childNodes.map(html).join('\n') + '\n';

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
    const wasm = fs.readFileSync(path.join(site, 'tarnwick.wasm'));
    globalThis.tarnwickWasm = WebAssembly.compile(wasm);
    const input = fs.readFileSync(path.join(source, 'input.js'), 'utf8');
    vm.runInThisContext(input, { filename: 'input.js' });
    for (const script of ['tarnwick-page.js', 'tarnwick.js']) {
        vm.runInThisContext(fs.readFileSync(path.join(site, script), 'utf8'), { filename: script });
    }
    await globalThis.tarnwickPage.boot();
    // The field the sheet's focus is on has it when the page loads.
    if (document.activeElement !== body) document.activeElement.setAttribute('autofocus', '');

    let page = fs.readFileSync(path.join(source, 'index.html'), 'utf8');
    page = page.replace(/<!--[^]*?-->\n?/g, '');
    page = fill(page, 'menubar', byId.menubar);
    page = fill(page, 'sheet', byId.sheet);
    // The description of the screen the page takes the sheet over by, so
    // that the program need not make it again while the page starts, and
    // the digest of the sheet as written, which tells the page whether
    // the started sheet still needs copying in: data blocks, which no
    // browser runs.
    const { module } = globalThis.tarnwickPage;
    const block = (id, json) =>
        `<script type="application/json" id="${id}">${json.replace(/</g, '\\u003c')}</script>\n`;
    if (!page.includes('</body>')) throw new Error('index.html has no </body>');
    page = page.replace('</body>', block('screen-description', module.screenDescription()) +
        block('written-sheet', JSON.stringify(module.shownDigest())) + '</body>');
    let style = fs.readFileSync(path.join(source, 'style.css'), 'utf8');
    style += '\n/* Where each element of the sheet stands in its grid, at the natural width\n' +
        '   and on a narrow screen (written by ui/web/prerender.js). */\n';
    for (const [name, declarations] of globalThis.tarnwickPage.places) style += `.${name} { ${declarations}; }\n`;
    // The style and the early script go into the page itself, so that its
    // first paint waits for no second request; the page's policy allows
    // these two by their digests and no other inline style or script.
    const early = fs.readFileSync(path.join(source, 'early.js'), 'utf8') + '\n' + input;
    page = inline(page, '<link rel="stylesheet" href="style.css">', 'style', style, 'style-src');
    page = inline(page, '<script src="tarnwick-early.js"></script>', 'script', early, 'script-src');
    fs.writeFileSync(path.join(site, 'index.html'), page);
    process.exit(0);
})().catch((error) => {
    console.error('prerender.js:', error);
    process.exit(1);
});
