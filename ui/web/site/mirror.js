// The page mirrors the sheet: the core hands over every change of an
// element's look (text, colour, flags, captions, names) and these functions
// write what differs into the page's elements. Nothing here decides
// anything; the sheet does.
'use strict';

const tarnwickPage = (window.tarnwickPage = {
    fields: [],
    labels: [],
    options: [],
    buttons: [],
    menus: [],
    // Second showings of captions, by label.
    echoes: [],
    // The selected stretch of each field, in UTF-16 units, or null.
    selections: [],
    // What the program last showed of each field.
    shown: [],
    // The element the sheet's focus is on, as [kind, id].
    sheetFocus: null,
    // The rules that place the sheet's elements in its grid, by class.
    places: new Map(),
});

// Makes an element of the page, or takes over the one that stands in its
// place: index.html comes with the menu bar and the sheet as this same
// builder made them at build time (ui/web/prerender.js), and the builder
// makes the elements in the order the page holds them.
const madeChildren = new WeakMap();
tarnwickPage.make = function (tag, className, parent) {
    const at = madeChildren.get(parent) || 0;
    madeChildren.set(parent, at + 1);
    const present = parent.children[at];
    if (present) {
        if (present.tagName !== tag.toUpperCase()) {
            throw new Error(`the page holds a ${present.tagName} where the sheet has a ${tag}`);
        }
        return present;
    }
    const element = document.createElement(tag);
    if (className) element.className = className;
    parent.append(element);
    return element;
};


// A caption as the program shows it, split around its access key: the
// key's character underlined. Returns the access key, lower case, or ''
// when there is none.
function renderCaption(element, caption, { before, key, after }) {
    if (element.dataset.caption !== caption) {
        element.dataset.caption = caption;
        element.textContent = before;
        if (key) {
            const u = document.createElement('u');
            u.textContent = key;
            element.append(u, after);
        }
        element.dataset.accessKey = key.toLowerCase();
    }
    return element.dataset.accessKey;
}

function setAttr(element, name, value) {
    if (value === null || value === '') {
        if (element.hasAttribute(name)) element.removeAttribute(name);
    } else if (element.getAttribute(name) !== value) {
        element.setAttribute(name, value);
    }
}

function setShortcut(element, key) {
    setAttr(element, 'aria-keyshortcuts', key ? 'Alt+' + key.toUpperCase() : '');
}

const { utf16Index, characterIndex } = tarnwickInput;

tarnwickPage.field = function (id, f) {
    const input = this.fields[id];
    if (!input) return;
    this.shown[id] = f;
    // The maximum length, in characters, limits what the user types or
    // pastes (input.js); a longer text the program writes is shown whole.
    setAttr(input, 'data-max-length', f.maxLength > 0 ? String(f.maxLength) : '');
    // The user's typing the program has not taken yet stays as it is.
    const ahead = tarnwickInput.ahead(id);
    if (!ahead && input.value !== f.text) input.value = f.text;
    if (input.readOnly !== f.locked) input.readOnly = f.locked;
    // Only what differs is written: every write invalidates the element's
    // style, and a keystroke changes a few fields of many.
    const tabStop = f.tabStop ? 'true' : 'false';
    if (input.dataset.tabStop !== tabStop) {
        input.dataset.tabStop = tabStop;
        input.tabIndex = f.tabStop ? 0 : -1;
    }
    if (input.classList.contains('hidden') !== !f.visible) input.classList.toggle('hidden', !f.visible);
    setAttr(input, 'aria-hidden', f.visible ? '' : 'true');
    if (input.dataset.colour !== f.colour) input.dataset.colour = f.colour;
    setAttr(input, 'aria-label', f.name);
    setAttr(input, 'aria-description', f.description);
    // Only a selected stretch is copied: a bare caret stays where the user
    // put it.
    const selection =
        f.selLength > 0
            ? [utf16Index(f.text, f.selStart), utf16Index(f.text, f.selStart + f.selLength)]
            : null;
    this.selections[id] = selection;
    if (selection && !ahead && document.activeElement === input) {
        const [start, end] = selection;
        if (input.selectionStart !== start || input.selectionEnd !== end) {
            input.setSelectionRange(start, end);
        }
    }
};

// The field as the program last showed it, once the user's typing in it
// has been taken.
tarnwickPage.refreshField = function (id) {
    if (this.shown[id]) this.field(id, this.shown[id]);
};

tarnwickPage.label = function (id, l) {
    const label = this.labels[id];
    if (!label) return;
    renderCaption(label, l.caption, l.shown);
    setAttr(label, 'title', l.tooltip);
    for (const echo of this.echoes[id] || []) {
        renderCaption(echo, l.caption, l.shown);
        echo.classList.toggle('disabled', !l.enabled);
    }
    if (label.classList.contains('disabled') !== !l.enabled) label.classList.toggle('disabled', !l.enabled);
};

tarnwickPage.option = function (id, o) {
    const option = this.options[id];
    if (!option) return;
    const key = renderCaption(option.querySelector('.caption'), o.caption, o.shown);
    setShortcut(option, key);
    setAttr(option, 'aria-checked', o.selected ? 'true' : 'false');
    setAttr(option, 'aria-disabled', o.enabled ? '' : 'true');
    setAttr(option, 'aria-label', o.name);
    setAttr(option, 'title', o.description);
};

tarnwickPage.button = function (id, b) {
    const button = this.buttons[id];
    if (!button) return;
    setShortcut(button, renderCaption(button.querySelector('.caption'), b.caption, b.shown));
    if (button.disabled !== !b.enabled) button.disabled = !b.enabled;
    setAttr(button, 'aria-label', b.name);
    setAttr(button, 'title', b.description);
};

tarnwickPage.elementOf = function (kind, id) {
    const kinds = this.screen.kinds;
    if (kind === kinds.field) return this.fields[id];
    if (kind === kinds.option) return this.options[id];
    if (kind === kinds.button) return this.buttons[id];
    return null;
};

// The sheet moved the focus. The page shows the move once the program has
// taken every action the user made, unless the user has moved on
// (input.js); while a dialog is open the page's elements cannot take it.
tarnwickPage.focus = function (kind, id) {
    this.sheetFocus = [kind, id];
    tarnwickInput.sheetMoved();
};

tarnwickPage.showSheetFocus = function () {
    if (!this.sheetFocus || this.dialogOpen()) return;
    const element = this.elementOf(this.sheetFocus[0], this.sheetFocus[1]);
    if (!element || document.activeElement === element) return;
    tarnwickInput.quiet(() => element.focus());
    // The focus reaction has selected the text by now; the page shows it.
    if (element.tagName === 'INPUT') {
        const id = this.fields.indexOf(element);
        if (id >= 0 && this.selections[id]) {
            const [start, end] = this.selections[id];
            element.setSelectionRange(start, end);
        }
    }
};
