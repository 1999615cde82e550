// The keyboard as on the desktop: Tab and Shift+Tab in the sheet's order,
// Enter for the default command and Esc for the cancel command, Alt with the
// underlined access keys, and the menu shortcuts, which the page takes from
// the browser wherever a page may.
'use strict';

(function () {
    const page = tarnwickPage;

    function usable(element) {
        if (!element || element.classList.contains('hidden')) return false;
        if (element.disabled || element.getAttribute('aria-disabled') === 'true') return false;
        if (element.dataset.tabStop === 'false') return false;
        return element.offsetParent !== null;
    }

    function tabTargets(screen) {
        return screen.tabOrder.map(([kind, id]) => page.elementOf(kind, id));
    }

    // The next tab stop after the focused element, or before it.
    function nextStop(screen, backwards) {
        const order = tabTargets(screen);
        const count = order.length;
        let at = order.indexOf(document.activeElement);
        if (at < 0) at = backwards ? 0 : count - 1;
        for (let step = 1; step <= count; ++step) {
            const candidate = order[(at + (backwards ? count - step : step)) % count];
            if (usable(candidate)) return candidate;
        }
        return null;
    }

    // The command or option whose access key this is; the menus of the menu
    // bar have theirs in menus.js.
    function accessKeyOwner(key) {
        for (const element of [...page.buttons, ...page.options]) {
            const caption = element && element.querySelector('.caption');
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

    page.wireKeys = function (screen) {
        const shortcuts = new Map();
        screen.menus.forEach((menu, id) => {
            if (menu.leaf && menu.shortcut) shortcuts.set(menu.shortcut, id);
        });

        document.addEventListener('keydown', (event) => {
            if (page.dialogOpen() || document.getElementById('app').hidden) return;
            const menu = shortcuts.get(shortcutOf(event));
            if (menu !== undefined) {
                event.preventDefault();
                page.closeMenus();
                page.act('tarnwick_choose', ['number'], [menu]);
                return;
            }
            if (page.menuOpen()) return;
            if (event.altKey && !event.ctrlKey && !event.metaKey) {
                const key = keyOf(event);
                const owner = accessKeyOwner(key);
                if (owner) {
                    // The command moves the sheet's focus to it.
                    event.preventDefault();
                    owner.click();
                    return;
                }
                if (page.openMenuByKey(key)) event.preventDefault();
                return;
            }
            if (event.ctrlKey || event.metaKey) return;
            const target = event.target;
            const inSheet = document.getElementById('sheet').contains(target) || target === document.body;
            if (!inSheet) return;
            switch (event.key) {
                case 'Tab': {
                    event.preventDefault();
                    const next = nextStop(screen, event.shiftKey);
                    if (next) next.focus();
                    return;
                }
                case 'Enter':
                    // A focused command takes Enter itself, as on a dialog.
                    if (target.tagName === 'BUTTON') return;
                    event.preventDefault();
                    page.act('tarnwick_pressKey', ['number'], [screen.defaultButton]);
                    return;
                case 'Escape':
                    event.preventDefault();
                    page.act('tarnwick_pressKey', ['number'], [screen.cancelButton]);
                    return;
                case 'F10':
                    event.preventDefault();
                    page.openMenuByKey(null);
                    return;
                default:
                    return;
            }
        });
    };
})();
