// The menu bar, after the menubar pattern: the menus open with a click or
// with the keyboard (Alt and the access key, F10, arrows, Enter, Esc), and a
// leaf chosen is the sheet's menu command.
'use strict';

(function () {
    const page = tarnwickPage;
    let bar = null;
    let topItems = [];

    function itemsOf(menu) {
        return Array.from(menu.children).filter((e) => e.getAttribute('role') === 'menuitem');
    }

    function submenuOf(item) {
        return item.nextElementSibling && item.nextElementSibling.getAttribute('role') === 'menu'
            ? item.nextElementSibling
            : null;
    }

    function closeFrom(menu) {
        for (const open of Array.from(bar.querySelectorAll('[role=menu]:not([hidden])'))) {
            if (menu && !menu.contains(open)) continue;
            open.hidden = true;
            const owner = open.previousElementSibling;
            if (owner) owner.setAttribute('aria-expanded', 'false');
        }
    }

    page.menuOpen = () => !!bar && !!bar.querySelector('[role=menu]:not([hidden])');

    page.closeMenus = function () {
        if (bar) closeFrom(null);
    };

    function open(item, focusFirst) {
        const menu = submenuOf(item);
        if (!menu) return;
        const parentMenu = item.closest('[role=menu]');
        // Only one menu of a level is open.
        if (!parentMenu) closeFrom(null);
        else for (const sibling of itemsOf(parentMenu)) if (sibling !== item && submenuOf(sibling)) closeFrom(submenuOf(sibling));
        menu.hidden = false;
        item.setAttribute('aria-expanded', 'true');
        if (focusFirst) itemsOf(menu)[0].focus();
    }

    // Back to the sheet, where its focus is.
    function leave() {
        page.closeMenus();
        for (const item of topItems) item.tabIndex = -1;
        topItems[0].tabIndex = 0;
        page.showSheetFocus();
    }

    function choose(item) {
        const id = Number(item.dataset.menu);
        leave();
        tarnwickInput.push({ op: 'choose', id });
    }

    function activate(item) {
        if (submenuOf(item)) open(item, true);
        else choose(item);
    }

    function onKey(event) {
        const item = event.target.closest('[role=menuitem]');
        if (!item) return;
        const menu = item.parentElement;
        const inBar = menu === bar;
        const items = itemsOf(menu);
        const at = items.indexOf(item);
        const move = (delta) => items[(at + delta + items.length) % items.length].focus();
        const owner = inBar ? null : menu.previousElementSibling;
        let handled = true;
        switch (event.key) {
            case 'ArrowRight':
                if (inBar) move(1);
                else if (submenuOf(item)) open(item, true);
                else {
                    const top = topItems.indexOf(item.closest('#menubar > [role=menu]').previousElementSibling);
                    const next = topItems[(top + 1) % topItems.length];
                    next.focus();
                    open(next, true);
                }
                break;
            case 'ArrowLeft':
                if (inBar) move(-1);
                else if (owner && owner.parentElement !== bar) {
                    closeFrom(menu);
                    owner.focus();
                } else {
                    const top = topItems.indexOf(owner);
                    const previous = topItems[(top - 1 + topItems.length) % topItems.length];
                    previous.focus();
                    open(previous, true);
                }
                break;
            case 'ArrowDown':
                if (inBar) open(item, true);
                else move(1);
                break;
            case 'ArrowUp':
                if (inBar) {
                    open(item, false);
                    const list = itemsOf(submenuOf(item));
                    list[list.length - 1].focus();
                } else move(-1);
                break;
            case 'Home':
                items[0].focus();
                break;
            case 'End':
                items[items.length - 1].focus();
                break;
            case 'Enter':
            case ' ':
                activate(item);
                break;
            case 'Escape':
                if (inBar) leave();
                else {
                    closeFrom(menu);
                    owner.focus();
                }
                break;
            case 'Tab':
                leave();
                break;
            default: {
                // A letter chooses the item it is the access key of.
                const key = event.key.length === 1 ? event.key.toLowerCase() : '';
                const match = key && items.find((i) => i.dataset.accessKey === key);
                if (match) {
                    match.focus();
                    activate(match);
                } else handled = false;
            }
        }
        if (handled) {
            event.preventDefault();
            event.stopPropagation();
        }
    }

    // Opens the menu of the menu bar whose access key this is, or with no
    // key the menu bar itself, its first menu focused.
    page.openMenuByKey = function (key) {
        const item = key === null ? topItems[0] : topItems.find((i) => i.dataset.accessKey === key);
        if (!item) return false;
        item.focus();
        if (key !== null) open(item, true);
        return true;
    };

    page.buildMenus = function (screen) {
        bar = document.getElementById('menubar');
        const containers = [];
        screen.menus.forEach((menu, id) => {
            let parent;
            if (menu.topLevel) parent = bar;
            else if (containers[menu.parent]) parent = containers[menu.parent];
            else return;
            if (menu.caption === '-') {
                page.make('div', '', parent).setAttribute('role', 'separator');
                return;
            }
            const item = page.make('div', '', parent);
            item.setAttribute('role', 'menuitem');
            item.id = screen.names.menus[id];
            item.dataset.menu = id;
            item.tabIndex = -1;
            const caption = page.make('span', 'caption', item);
            item.dataset.accessKey = renderCaption(caption, menu.caption, menu.shown);
            if (menu.shortcut) {
                item.setAttribute('aria-keyshortcuts', menu.shortcut.replace('Ctrl', 'Control'));
                const shortcut = page.make('span', 'shortcut', item);
                // Said as the item's key shortcut, not as part of its name.
                shortcut.setAttribute('aria-hidden', 'true');
                shortcut.textContent = menu.shortcut;
            }
            if (!menu.leaf) {
                item.setAttribute('aria-haspopup', 'menu');
                item.setAttribute('aria-expanded', 'false');
                const submenu = page.make('div', menu.topLevel ? 'menu' : 'menu submenu', parent);
                submenu.setAttribute('role', 'menu');
                submenu.setAttribute('aria-label', item.textContent.replace(menu.shortcut, '').trim());
                submenu.hidden = true;
                containers[id] = submenu;
            }
            if (menu.topLevel) topItems.push(item);
        });
        topItems[0].tabIndex = 0;
        bar.addEventListener('keydown', onKey);
        bar.addEventListener('click', (event) => {
            const item = event.target.closest('[role=menuitem]');
            if (!item) return;
            if (submenuOf(item) && item.getAttribute('aria-expanded') === 'true' && item.parentElement === bar) {
                leave();
            } else activate(item);
        });
        // Pointing at another menu of the bar while one is open opens it.
        bar.addEventListener('mouseover', (event) => {
            const item = event.target.closest('[role=menuitem]');
            if (!item || !page.menuOpen()) return;
            if (item.parentElement === bar || submenuOf(item)) {
                item.focus();
                open(item, false);
            }
        });
        document.addEventListener('mousedown', (event) => {
            if (page.menuOpen() && !bar.contains(event.target)) page.closeMenus();
        });
    };
})();
