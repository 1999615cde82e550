// The keyboard on the sheet, from the first paint on: Tab in the sheet's
// order, Enter and Esc for the default and cancel commands, Space on an
// option, the access keys of commands and options, the menus' shortcuts,
// and F10 and Alt for the menu bar. Each becomes one of the sheet's
// operations in the input queue (input.js).
'use strict';

(function () {
    const { described, elementOf, pageElement, dialogOpen, menuOpen, push } = window.tarnwickInput;
    const page = () => window.tarnwickPage;

    function usable(element) {
        if (!element || element.classList.contains('hidden')) return false;
        if (element.disabled || element.getAttribute('aria-disabled') === 'true') return false;
        if (element.dataset.tabStop === 'false') return false;
        return element.offsetParent !== null;
    }

    // The next tab stop in the sheet's order after the focused element, or
    // before it.
    function nextStop(backwards) {
        const order = described().tabOrder.map(([kind, id]) => pageElement(kind, id));
        const count = order.length;
        let at = order.indexOf(document.activeElement);
        if (at < 0) at = backwards ? 0 : count - 1;
        for (let step = 1; step <= count; ++step) {
            const candidate = order[(at + (backwards ? count - step : step)) % count];
            if (usable(candidate)) return candidate;
        }
        return null;
    }

    // The command or option whose access key this is, the commands first;
    // the menus of the menu bar have theirs in menus.js.
    function accessKeyOwner(key) {
        const sheet = document.getElementById('sheet');
        for (const element of [...sheet.querySelectorAll('button'), ...sheet.querySelectorAll('[role=radio]')]) {
            const caption = element.querySelector('.caption');
            if (caption && caption.dataset.accessKey === key && usable(element)) return element;
        }
        return null;
    }

    function keyOf(event) {
        if (/^Digit\d$/.test(event.code)) return event.code.slice(5);
        if (/^Key[A-Z]$/.test(event.code)) return event.code.slice(3).toLowerCase();
        return event.key.toLowerCase();
    }

    // "Ctrl+D", "F1" as the catalogue writes them.
    function shortcutOf(event) {
        let name = event.key.length === 1 ? event.key.toUpperCase() : event.key;
        if (/^Key[A-Z]$/.test(event.code)) name = event.code.slice(3);
        if (event.ctrlKey) name = 'Ctrl+' + name;
        if (event.shiftKey) name = 'Shift+' + name;
        if (event.altKey) name = 'Alt+' + name;
        return name;
    }

    function menuOfShortcut(name) {
        const menus = described().menus;
        for (let id = 0; id < menus.length; ++id) {
            if (menus[id].leaf && menus[id].shortcut === name) return id;
        }
        return -1;
    }

    function onKey(event) {
        if (!described() || dialogOpen() || document.getElementById('app').hidden) return;
        const menu = menuOfShortcut(shortcutOf(event));
        if (menu >= 0) {
            event.preventDefault();
            if (page() && page().closeMenus) page().closeMenus();
            push({ op: 'choose', id: menu });
            return;
        }
        if (menuOpen()) return;
        const opensMenu = page() && page().openMenuByKey;
        if (event.altKey && !event.ctrlKey && !event.metaKey) {
            const key = keyOf(event);
            const owner = accessKeyOwner(key);
            if (owner) {
                // The command moves the sheet's focus to it.
                event.preventDefault();
                owner.click();
            } else if (opensMenu && page().openMenuByKey(key)) {
                event.preventDefault();
            }
            return;
        }
        if (event.ctrlKey || event.metaKey) return;
        const target = event.target;
        if (target !== document.body && !elementOf(target)) return;
        switch (event.key) {
            case 'Tab': {
                event.preventDefault();
                const next = nextStop(event.shiftKey);
                if (next) next.focus();
                return;
            }
            case 'Enter':
                // A focused command takes Enter itself, as on a dialog.
                if (target.tagName === 'BUTTON') return;
                event.preventDefault();
                push({ op: 'key', id: described().defaultButton });
                return;
            case 'Escape':
                event.preventDefault();
                push({ op: 'key', id: described().cancelButton });
                return;
            case ' ':
                if (target.getAttribute('role') !== 'radio') return;
                event.preventDefault();
                push({ op: 'option', id: elementOf(target)[1] });
                return;
            case 'F10':
                if (!opensMenu) return;
                event.preventDefault();
                page().openMenuByKey(null);
                return;
            default:
        }
    }

    document.addEventListener('keydown', onKey, true);
})();
